#include "candidatewindow.h"

#include <QRegularExpression>

#include <algorithm>

#include "hexcode.h"
#include "symbolsearch.h"

QPoint CandidateWindowPosition(const QRect &fieldRect, const QPoint &caret, int screenWidth)
{
    const int top = fieldRect.top() + caret.y() - CandidateWindowHeight - 8;
    int left = fieldRect.left() + caret.x();
    if (left + CandidateWindowWidth > screenWidth)
        left = screenWidth - CandidateWindowWidth - 8;
    return {left, top};
}

QRect CandidateStripRect()
{
    return {4, 22, 495, 54};
}

QRect CandidateCellRect(int slot)
{
    return {4 + 49 * slot, 2, 48, 50};
}

QPoint CandidateNumberLabelPos(int slot)
{
    return {28 + 49 * slot, 4};
}

CandidateLabels CandidateLabelTexts(const CandidateSlots &offered, int selected,
                                    const QList<TUnicodeDB> &names, bool englishNames)
{
    CandidateLabels labels;
    for (char16_t c : offered)
        labels.hints.append(SymbolNameOf(names, c, SymbolNameKind::Notes));
    const char16_t c = selected >= 0 && selected < 10 ? offered[selected] : 0;
    const QString code = CodeText(c);
    if (englishNames) {
        labels.name = QStringLiteral("NAME: ") + SymbolNameOf(names, c, SymbolNameKind::English);
        labels.code = QStringLiteral("UNICODE: ") + code;
    } else {
        labels.name =
            QStringLiteral("日本語名：") + SymbolNameOf(names, c, SymbolNameKind::Japanese);
        labels.code = QStringLiteral("コード値： ") + code;
    }
    return labels;
}

CandidateKeyResult CandidateWindowKey(const CandidateSlots &offered, int selected, CandidateKey key,
                                      char16_t c)
{
    CandidateKeyResult r;
    r.selected = std::clamp(selected, 0, 9);
    switch (key) {
    case CandidateKey::Enter:
        r.close = true;
        r.insert = true;
        r.text = SlotText(offered, r.selected);
        return r;
    case CandidateKey::Space:
    case CandidateKey::Right:
        r.selected = (r.selected + 1) % 10;
        return r;
    case CandidateKey::Left:
        r.selected = (r.selected + 9) % 10;
        return r;
    case CandidateKey::Other:
        return r;
    case CandidateKey::Character:
        break;
    }
    if (c == u' ')
        return r;
    if (c >= u'0' && c <= u'9') {
        r.selected = c == u'0' ? 9 : c - u'1';
        r.text = SlotText(offered, r.selected);
        r.insert = !r.text.isEmpty();
        r.close = true;
        return r;
    }
    r.close = true;
    return r;
}

CandidateGlyph CandidateCellGlyph(const QString &slotText)
{
    if (slotText.size() != 1)
        return {slotText};
    const QChar c = slotText.at(0);
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return {QStringLiteral("\u25CC") + c};
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Format:
    case QChar::Other_Control:
        break;
    default:
        return {slotText};
    }
    // The initials of the name's words, "SP" for SPACE: NO-BREAK SPACE gives NBSP.
    const QString name = UnicodeCharName(c.unicode());
    QString shortName;
    for (const QString &word : name.split(QRegularExpression(QStringLiteral("[ -]")),
                                          Qt::SkipEmptyParts))
        shortName += word == u"SPACE" ? QStringLiteral("SP") : word.left(1);
    if (shortName.isEmpty())
        shortName = QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    return {shortName, true};
}
