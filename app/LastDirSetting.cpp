// LastDirSetting.cpp - the one remembered setting: the folder selected when the main window last closed.
// SPDX-License-Identifier: MIT
#include "app/LastDirSetting.h"

#include "report/Product.h"
#include "series/FunctionModule.h"

#include <QDir>
#include <QSettings>

namespace quil {

namespace {

QString LastDirKey()
{
    return QStringLiteral("Settings/LastDir");
}

}  // namespace

QString ReadLastDir()
{
    return QSettings(ProductName(), ProductName()).value(LastDirKey()).toString();
}

void WriteLastDir(const QString& folder)
{
    QSettings(ProductName(), ProductName()).setValue(LastDirKey(), folder);
}

QString StartFolder(const QString& lastDir)
{
    return PathIsPresent(lastDir) ? lastDir : QDir::rootPath();
}

}  // namespace quil
