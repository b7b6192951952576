#include "clcdtextboxfactory.h"

#include "clcdtextboxmodule.h"

#include <utility>

CLcdtextboxFactory::CLcdtextboxFactory(Creator creator)
    : m_creator(std::move(creator))
{
}

comrt::Result CLcdtextboxFactory::createInstance(QWidget* parent, comrt::Object** object)
{
    if (!object) return comrt::result::nullPointer;
    *object = m_creator(parent);
    return comrt::result::ok;
}

comrt::Result CLcdtextboxFactory::lockServer(bool lock)
{
    CLcdtextboxModule::instance().lock(lock);
    return comrt::result::ok;
}
