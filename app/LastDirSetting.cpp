// LastDirSetting.cpp - the one remembered setting: the folder selected when the main window last closed.
// SPDX-License-Identifier: MIT
#include "app/LastDirSetting.h"

#include "os/NativeNames.h"
#include "report/Product.h"
#include "series/FunctionModule.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace quil {

namespace {

QString LastDirKey()
{
    return QStringLiteral("Settings/LastDir");
}

// The product's settings, in the file the per-user store keeps for it; none when its name is taken
// by anything but a regular file, since reading a FIFO there would keep the window from ever showing.
std::unique_ptr<QSettings> Settings()
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
                         + ProductName() + u'/' + ProductName() + QStringLiteral(".conf");
    if (const std::optional<struct stat> info = StatPath(file); info && !S_ISREG(info->st_mode))
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

QString ReadLastDir()
{
    const std::unique_ptr<QSettings> settings = Settings();
    return settings ? settings->value(LastDirKey()).toString() : QString();
}

void WriteLastDir(const QString& folder)
{
    if (const std::unique_ptr<QSettings> settings = Settings())
        settings->setValue(LastDirKey(), folder);
}

QString StartFolder(const QString& lastDir)
{
    return PathIsPresent(lastDir) ? lastDir : QDir::rootPath();
}

}  // namespace quil
