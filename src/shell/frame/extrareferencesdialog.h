#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// Lets the user tick the reference languages the menu grids show under the main one.
class ExtraReferencesDialog : public QDialog {
    Q_OBJECT
public:
    ExtraReferencesDialog(const QStringList& offered, const QStringList& chosen, QWidget* parent = nullptr);

    QStringList chosen() const;
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};
