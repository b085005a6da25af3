// WindowGeometry.cpp - the design places, sizes and layout codes of the main and report windows' controls.
// SPDX-License-Identifier: MIT
#include "layout/WindowGeometry.h"

using namespace Qt::StringLiterals;

namespace quil {

std::vector<LayoutItem> MainWindowDesign()
{
    const QString window;
    const QString frame1 = u"Frame1"_s;
    const QString frame4 = u"Frame4"_s;
    return {
        {u"SB"_s, window, {}, {0, 7740, 8865, 255}},
        {u"HelpButton"_s, window, u"M"_s, {6360, 7080, 735, 615}},
        {u"About"_s, window, u"M"_s, {4680, 7080, 1575, 615}},
        {u"Frame1"_s, window, u"R"_s, {120, 120, 8655, 6855}},
        {u"StopButton"_s, frame1, u"WL2NH"_s, {4560, 2400, 3975, 615}},
        {u"Frame4"_s, frame1, u"R"_s, {120, 3120, 8415, 3615}},
        {u"ErrorGrid"_s, frame4, u"R"_s, {120, 240, 8175, 3015}},
        {u"PB"_s, frame4, u"WT"_s, {120, 3240, 8175, 255}},
        {u"ShowSequence"_s, frame1, u"L2"_s, {6600, 2400, 1935, 615}},
        {u"CheckSeq"_s, frame1, u"L2"_s, {4560, 2400, 1935, 615}},
        {u"FTV"_s, frame1, u"W2"_s, {120, 240, 4335, 2730}},
        {u"FileList"_s, frame1, u"WL2NH"_s, {4560, 480, 3975, 1845}},
        {u"Label1"_s, frame1, u"L2"_s, {4560, 240, 3375, 255}},
        {u"Exit_Button"_s, window, u"M"_s, {7200, 7080, 1575, 615}},
        {u"Banner"_s, window, u"T"_s, {120, 7080, 4455, 645}},
        {u"Stretcher"_s, window, u"R"_s, {120, 7080, 4455, 645}},
    };
}

std::vector<LayoutItem> ReportWindowDesign()
{
    const QString window;
    return {
        {u"ReportList"_s, window, u"R"_s, {120, 120, 7575, 5340}},
        {u"Label1"_s, window, u"WT"_s, {105, 5520, 7590, 255}},
        {u"SaveFile"_s, window, u"M"_s, {4440, 5880, 1575, 495}},
        {u"ExitButton"_s, window, u"M"_s, {6120, 5880, 1575, 495}},
    };
}

}  // namespace quil
