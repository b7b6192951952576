#pragma once

#include "comrt/classfactory.h"

#include <functional>

// The class factory of one of the module's classes; the module owns one per class.
class LcdtextboxFactory : public comrt::ClassFactory {
public:
    using Creator = std::function<comrt::Object*(QWidget* parent)>;

    explicit LcdtextboxFactory(Creator creator);

    comrt::Result createInstance(QWidget* parent, comrt::Object** object) override;
    comrt::Result lockServer(bool lock) override;

private:
    Creator m_creator;
};
