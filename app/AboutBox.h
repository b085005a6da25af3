// AboutBox.h - the about box (product, version, what it does) and the warranty disclaimer it leads to.
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace quil {

class Prompts;

// The disclaimer's text, shown as written.
QString DisclaimerText();

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(QWidget* parent, Prompts& prompts);

private:
    void Disclaimer_Click();
};

class DisclaimerBox : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerBox(QWidget* parent);
};

}  // namespace quil
