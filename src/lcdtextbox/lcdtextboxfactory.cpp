#include "lcdtextboxfactory.h"

#include "lcdtextboxmodule.h"

#include <utility>

LcdtextboxFactory::LcdtextboxFactory(Creator creator)
    : m_creator(std::move(creator))
{
}

comrt::Result LcdtextboxFactory::createInstance(QWidget* parent, comrt::Object** object)
{
    if (!object) return comrt::result::nullPointer;
    *object = m_creator(parent);
    return comrt::result::ok;
}

comrt::Result LcdtextboxFactory::lockServer(bool lock)
{
    LcdtextboxModule::instance().lock(lock);
    return comrt::result::ok;
}
