// DemoSeriesCommand.cpp - quillane-check --demo-series: the window's demonstration series, written from the command line.
// SPDX-License-Identifier: MIT
#include "cli/DemoSeriesCommand.h"

#include "prompts/Prompts.h"
#include "series/DemoSeries.h"

namespace quil::cli {

namespace {

class DemoSeriesPrompts : public Prompts {
public:
    DemoSeriesPrompts(QTextStream& output, QTextStream& errors) : output_(output), errors_(errors) {}

    Answer message(const QString&, const QString& text, MessageIcon icon, MessageButtons buttons, Answer) override
    {
        if (buttons == MessageButtons::YesNo)
            return Answer::Yes;
        (icon == MessageIcon::Critical ? errors_ : output_) << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                                            << Qt::endl;
        return Answer::Ok;
    }
    std::optional<FileDialogChoice> fileDialog(const FileDialogRequest&) override { return std::nullopt; }
    void showHelp() override {}
    void openWebPage(const QString&) override {}

private:
    QTextStream& output_;
    QTextStream& errors_;
};

}  // namespace

int RunDemoSeriesCommand(const QString& folder, QTextStream& output, QTextStream& errors)
{
    DemoSeriesPrompts prompts(output, errors);
    return WriteDemoSeries(folder, prompts, {}) == DemoSeriesEnd::Written ? 0 : 2;
}

}  // namespace quil::cli
