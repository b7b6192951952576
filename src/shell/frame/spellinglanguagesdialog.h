#pragma once

#include "checks/spellinglanguages.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;

namespace kpd {
class TheApp;
}

// Chooses the dictionary of each string set of the drive among those installed; a set left
// at its default follows its name (the custom set, the main reference's language).
class SpellingLanguagesDialog : public QDialog {
    Q_OBJECT
public:
    SpellingLanguagesDialog(const kpd::TheApp& app, const kpd::SpellingLanguages& current,
                            const std::vector<std::string>& offered, QWidget* parent = nullptr);

    kpd::SpellingLanguages chosen() const;
    QComboBox* combo(int row) const { return combos_.at(static_cast<std::size_t>(row)); }

    // Shows the dialog for the drive and keeps what the user chose in its folder.
    static void edit(const kpd::TheApp& app, QWidget* parent);

private:
    std::vector<std::string> setKeys_;
    std::vector<QComboBox*> combos_;
    kpd::SpellingLanguages current_;
};
