#include "spellinglanguagesdialog.h"

#include "checks/spelldictionary.h"
#include "fileio/filewriteerror.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/spellingsession.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

SpellingLanguagesDialog::SpellingLanguagesDialog(const kpd::TheApp& app, const kpd::SpellingLanguages& current,
                                                 const std::vector<std::string>& offered, QWidget* parent)
    : QDialog(parent), current_(current)
{
    setWindowTitle(QStringLiteral("Spelling languages"));
    setObjectName(QStringLiteral("dlgSpellingLanguages"));
    auto* form = new QFormLayout;
    const kpd::SpellingLanguages defaults;
    for (const kpd::stringData& set : app.stringDatas()) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("cboLanguage%1").arg(combos_.size()));
        const std::string fallback = defaults.languageOf(app, set.dbKey(), offered);
        combo->addItem(fallback.empty() ? QStringLiteral("Default: no dictionary")
                                        : QStringLiteral("Default: %1").arg(toQt(fallback)),
                       QString());
        for (const std::string& language : offered) combo->addItem(toQt(language), toQt(language));
        const int index = combo->findData(toQt(current.chosen(set.dbKey())));
        combo->setCurrentIndex(std::max(index, 0));
        form->addRow(toQt(set.dbKey() + (set.custom() ? " (custom set)" : "")), combo);
        setKeys_.push_back(set.dbKey());
        combos_.push_back(combo);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(offered.empty() ? QStringLiteral("No spelling dictionary is installed.")
                                                 : QStringLiteral("Check the spelling of each language with:"),
                                 this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

kpd::SpellingLanguages SpellingLanguagesDialog::chosen() const
{
    kpd::SpellingLanguages languages = current_;
    for (std::size_t i = 0; i < combos_.size(); ++i)
        languages.choose(setKeys_[i], toModel(combos_[i]->currentData().toString()));
    return languages;
}

void SpellingLanguagesDialog::edit(const kpd::TheApp& app, QWidget* parent)
{
    try {
        SpellingLanguagesDialog dialog(app, kpd::SpellingLanguages::read(app.appFolder()),
                                       kpd::SpellDictionary::available(), parent);
        if (dialog.exec() != QDialog::Accepted) return;
        dialog.chosen().write(app.appFolder());
    } catch (const std::exception& error) {
        app.ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return;
    }
    SpellingSession::instance().reload();
}
