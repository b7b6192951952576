#include "glossaryfixes.h"

#include "shortformdialog.h"

#include "checks/checkinput.h"
#include "checks/glossary.h"
#include "checks/problemfixer.h"
#include "checks/shortformfix.h"
#include "checks/translationunifier.h"
#include "fileio/filereaderror.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/tbxfile.h"

std::shared_ptr<const kpd::Glossary> GlossaryFixes::load(const kpd::TheApp& app)
{
    try {
        auto glossary = std::make_shared<const kpd::Glossary>(
            kpd::TbxFile::loadIfPresent(kpd::FixedFile::path(app.appFolder(), kpd::Glossary::kFileName)));
        return glossary->empty() ? nullptr : glossary;
    } catch (const kpd::FileReadError&) {
        return nullptr;
    }
}

bool GlossaryFixes::shortenOverflow(QWidget* parent, kpd::UserInterface& ui, kpd::TheApp& app,
                                    const kpd::Problem& problem)
{
    const std::shared_ptr<const kpd::Glossary> glossary = load(app);
    if (!glossary) return false;
    const std::string language = glossary->otherLanguage(kpd::CheckInput::referenceLanguageOf(app));
    const auto proposal = kpd::ShortFormFix::propose(app, problem, *glossary, language);
    if (!proposal) {
        ui.message("The glossary's short forms no longer make this text fit", "Short forms",
                   kpd::MessageIcon::Information);
        return false;
    }
    kpd::ProblemFixer fixer(app.getCustMenus());
    const kpd::DrvMenu& menu = app.getCustMenus().Item(problem.menuKey);
    const kpd::ModeData& record = menu.Parameters().Item(problem.paraKey).modes().Item(problem.modeKey);
    const std::string& current = problem.field == kpd::TextField::Description ? record.getDesc() : record.getHelp();
    ShortFormDialog dialog(current, *proposal, parent);
    return dialog.exec() == QDialog::Accepted && fixer.replace(problem, proposal->text);
}

std::vector<std::pair<std::string, int>> GlossaryFixes::unifyForms(kpd::TheApp& app, const kpd::Problem& problem)
{
    if (problem.kind == kpd::ProblemKind::Inconsistent) return kpd::TranslationUnifier(app).forms(problem);
    return kpd::ProblemFixer(app.getCustMenus()).nearDuplicateForms(problem);
}

int GlossaryFixes::unify(kpd::TheApp& app, const kpd::Problem& problem, const std::string& form)
{
    if (problem.kind == kpd::ProblemKind::Inconsistent) return kpd::TranslationUnifier(app).unify(problem, form);
    return kpd::ProblemFixer(app.getCustMenus()).unify(problem, form);
}
