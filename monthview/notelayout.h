#pragma once

#include <QPlainTextDocumentLayout>
#include <QSizeF>

namespace monthview {

// The layout of a note box's text around the day number on the box's
// top-right corner: a line that begins beside the day number ends short of
// it, so that no character lies under it; below it lines take the whole
// width again. The text flows around the day number at every font size.
//
// The note box asks every block for its place before it paints or moves
// the cursor in it (blockBoundingRect); a block beside the corner is laid
// out anew there whenever the plain layout has laid it out at full width,
// and one that no longer begins there goes back to the full width.
class NoteLayout : public QPlainTextDocumentLayout
{
public:
    explicit NoteLayout(QTextDocument *document);

    // The corner kept clear, in the document's coordinates with the box
    // scrolled to its top: lines whose top lies less than corner.height()
    // below the top of the text end corner.width() short of the full
    // width. An empty size keeps nothing clear.
    void setCorner(const QSizeF &corner);
    QSizeF corner() const { return m_corner; }

    // The width the box lays its text out in: its viewport's.
    void setWidth(qreal width) { m_width = width; }

    QRectF blockBoundingRect(const QTextBlock &block) const override;

private:
    // The top of `block` in the document when it begins beside the corner;
    // -1 when it begins below it.
    qreal topBesideCorner(const QTextBlock &block) const;
    void layOut(const QTextBlock &block, qreal top) const;

    QSizeF m_corner;
    qreal m_width = 0;
};

} // namespace monthview
