#include "candidate_window.h"

#include "hexcode.h"

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
