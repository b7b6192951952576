#pragma once

// The parameter editor's two panels and their four text boxes, as the session, the
// window and the tests name them. The panel doubles as an index: reference first.
enum class EditPanel { Ref = 0, Cust = 1 };
enum class EditBox { None, RefDesc, RefHelp, CustDesc, CustHelp };
