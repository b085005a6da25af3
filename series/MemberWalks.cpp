// MemberWalks.cpp - names every member a series should have, in order, up to the last one found.
#include "series/MemberWalks.h"

#include "series/SeriesState.h"

namespace quil {

static QString Digits(int number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

static void AppendNumbers(QStringList& out, const QString& prefix, int first, int last, int width)
{
    for (int n = first; n <= last; ++n)
        out.append(prefix + Digits(n, width));
}

QStringList RarExtensions()
{
    QStringList out;
    for (char16_t letter = u'r'; letter <= u'z'; ++letter)
        AppendNumbers(out, QString(QChar(letter)), 0, 99, 2);
    return out;
}

QStringList ArjExtensions()
{
    QStringList out;
    AppendNumbers(out, QStringLiteral("a"), 1, 99, 2);
    AppendNumbers(out, QString(), 100, 999, 3);
    return out;
}

QStringList AceExtensions()
{
    QStringList out;
    AppendNumbers(out, QStringLiteral("c"), 0, 99, 2);
    AppendNumbers(out, QString(), 100, 999, 3);
    return out;
}

QStringList NumExtensions(int first)
{
    QStringList out;
    AppendNumbers(out, QString(), first, 999, 3);
    return out;
}

static void Walk(const QString& statusText, const QStringList& extensions, const QString& folder,
                 const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    SeriesState& state = State();
    if (showStatus)
        showStatus(statusText);
    const QString stem = state.BaseName.toLower() + u'.';
    for (const QString& extension : extensions) {
        if (!state.KeepWalking)
            return;
        const QString name = stem + extension;
        checkMember(folder, name);
        if (name == state.LastMemberName)
            state.KeepWalking = false;
    }
}

void CheckRarMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    Walk(QStringLiteral("Checking RAR Archive Members"), RarExtensions(), folder, checkMember, showStatus);
}

void CheckArjMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    Walk(QStringLiteral("Checking ARJ Archive Members"), ArjExtensions(), folder, checkMember, showStatus);
}

void CheckAceMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    Walk(QStringLiteral("Checking ACE Archive Members"), AceExtensions(), folder, checkMember, showStatus);
}

void CheckNumMembers(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    // A series whose first found member is .000 must still have its .001 checked.
    const QStringList& found = State().SeqList;
    const int first = !found.isEmpty() && found.front().endsWith(u".000") ? 1 : 2;
    Walk(QStringLiteral("Checking Archive Members"), NumExtensions(first), folder, checkMember, showStatus);
}

void WalkSeries(const QString& folder, const CheckMemberFn& checkMember, const ShowStatusFn& showStatus)
{
    const QString& kind = State().SeriesKind;
    if (kind == u"RAR")
        CheckRarMembers(folder, checkMember, showStatus);
    else if (kind == u"ARJ")
        CheckArjMembers(folder, checkMember, showStatus);
    else if (kind == u"ACE")
        CheckAceMembers(folder, checkMember, showStatus);
    else if (kind == u"NUM")
        CheckNumMembers(folder, checkMember, showStatus);
}

}  // namespace quil
