#pragma once

#include <QUuid>

// The five identifiers of the keypad text box component. They were generated once and
// never change: registrations, the type library and every host that creates the control
// rely on them.
namespace lcdtextbox::ids {

// LCDTEXTBOXLib, the type library.
constexpr QUuid typeLibrary{0xa6643a7d, 0x3130, 0x49a7, 0x95, 0xfd, 0xe3, 0xb5, 0x2d, 0x93, 0x20, 0x22};
// _DLcdtextbox, the dispatch interface.
constexpr QUuid dispatchInterface{0xf6c1cdcb, 0x98cd, 0x4d04, 0x84, 0x34, 0x28, 0xc2, 0x62, 0x81, 0x24, 0x6d};
// _DLcdtextboxEvents, the event interface.
constexpr QUuid eventInterface{0xaad7fdc4, 0x74d1, 0x49f3, 0x8f, 0xf7, 0x81, 0xc7, 0x2b, 0x00, 0x49, 0xa4};
// Lcdtextbox, the control class.
constexpr QUuid controlClass{0xa55a6798, 0x60b0, 0x4249, 0x83, 0xae, 0x73, 0xeb, 0x8b, 0x65, 0x23, 0x6f};
// CLcdtextboxPropPage, the property page class.
constexpr QUuid propertyPageClass{0x5e0b0799, 0x7122, 0x4d5f, 0xbb, 0x0e, 0x92, 0xde, 0xa7, 0x34, 0x7d, 0xce};

constexpr const char* controlProgId = "LCDTEXTBOX.LcdtextboxCtrl.1";
constexpr const char* propertyPageProgId = "LCDTEXTBOX.LcdtextboxPropPage.1";

} // namespace lcdtextbox::ids
