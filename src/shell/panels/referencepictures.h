#pragma once

#include "checks/textrows.h"

#include <QStringList>
#include <QWidget>

class QHBoxLayout;

namespace kpd {
class TheApp;
}

// The texts of the reference languages for one text of the custom set, side by side, each
// drawn as the keypad shows it: the main reference first, then the extra languages.
class ReferencePictures : public QWidget {
    Q_OBJECT
public:
    explicit ReferencePictures(QWidget* parent = nullptr);
    void showTexts(const kpd::TheApp& app, const QStringList& extraLanguages, const kpd::TextRows::Row& row);
    void clear();

private:
    QHBoxLayout* layout_;
};
