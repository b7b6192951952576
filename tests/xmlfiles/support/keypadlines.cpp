#include "keypadlines.h"

#include "keypadtext/cescapedtext.h"
#include "keypadtext/ckeypadtext.h"

namespace kpd::test {

std::vector<std::string> descriptionsOverTwoLines(const TheApp& app)
{
    CKeypadText box;
    box.setCols(16);
    box.setLineLimit(2);
    std::vector<std::string> over;
    for (const stringData& set : app.stringDatas()) {
        for (const DrvMenu& menu : set.DrvMenus()) {
            // The trips menu holds the parameters of the menus it maps to: they are met there.
            if (menu.isMapped()) continue;
            for (const Parameter& p : menu.Parameters()) {
                for (const ModeData& m : p.modes()) {
                    box.setText(CEscapedText::decode(m.getDesc()));
                    if (box.overLineLimit())
                        over.push_back(set.dbKey() + " " + menu.menuKey() + " " + p.paraKey() + " " + m.modeKey() +
                                       ": " + m.getDesc());
                }
            }
        }
    }
    return over;
}

} // namespace kpd::test
