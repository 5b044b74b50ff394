#include "notelayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace monthview {

NoteLayout::NoteLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

void NoteLayout::setCorner(const QSizeF &corner)
{
    if (corner == m_corner)
        return;
    m_corner = corner;
    // Every block is laid out again when next asked for.
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
        block.layout()->clearLayout();
    requestUpdate();
}

QRectF NoteLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (block.isValid() && block.isVisible())
        layOut(block, m_corner.isEmpty() ? -1 : topBesideCorner(block));
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

qreal NoteLayout::topBesideCorner(const QTextBlock &block) const
{
    // Only the first few blocks can begin beside the corner: the walk ends
    // as soon as the blocks above reach below it.
    qreal top = 0;
    for (QTextBlock above = document()->firstBlock(); above.isValid() && above != block; above = above.next()) {
        if (!above.isVisible())
            continue;
        top += blockBoundingRect(above).height();
        if (top >= m_corner.height())
            return -1;
    }
    return top;
}

// As the plain layout lays a block out, but with the lines beside the
// corner shorter. A block that begins below the corner (top < 0) and has
// no layout yet is left to the plain layout.
void NoteLayout::layOut(const QTextBlock &block, qreal top) const
{
    QTextLayout *layout = block.layout();
    if (top < 0 && layout->lineCount() == 0)
        return;
    const qreal margin = document()->documentMargin();
    const qreal full = (m_width > 0 ? m_width : qreal(INT_MAX)) - 2 * margin;
    const qreal beside = std::max<qreal>(full - m_corner.width(), 1);
    // A block whose first line has the width it should have is laid out
    // already: the plain layout gives every line the full width, and a
    // block beside the corner begins beside it. (Line widths are held in
    // 64ths of a pixel.)
    const qreal first = top >= 0 ? beside : full;
    if (layout->lineCount() > 0 && std::abs(layout->lineAt(0).width() - first) < 0.05)
        return;

    layout->setTextOption(document()->defaultTextOption());
    layout->beginLayout();
    qreal height = 0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(top >= 0 && top + height < m_corner.height() ? beside : full);
        line.setPosition(QPointF(margin, height));
        height += line.height();
        if (line.leading() < 0)
            height += std::ceil(line.leading());
    }
    layout->endLayout();

    const int lines = document()->lineCount();
    const_cast<QTextBlock &>(block).setLineCount(layout->lineCount());
    // One more or one less line changes how far the box scrolls.
    if (document()->lineCount() != lines)
        emit const_cast<NoteLayout *>(this)->documentSizeChanged(documentSize());
}

} // namespace monthview
