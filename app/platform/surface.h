// Surface: a picture that keeps what is drawn on it, with block copies, text in rectangles and
// lines.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

#include "platform/scaled_picture.h"

namespace kestrins {

// Colours are written 0x00BBGGRR throughout the game; this turns one into a QColor.
QColor FromBgr(uint32_t bgr);

// A position computed by halving a size: nearest integer, halves to the even neighbour.
int32_t RoundHalfEven(double value);

// How a block copy combines source and target, on the 24-bit colour of each pixel.
enum class RasterOp {
    SrcCopy,     // target = source
    NotSrcCopy,  // target = NOT source
    SrcAnd,      // target = target AND source
    SrcInvert,   // target = target XOR source
};

// Text formats; combine with |. Vertical centring applies to single-line text only.
using TextFormat = unsigned;
inline constexpr TextFormat TextLeft = 0x00;
inline constexpr TextFormat TextCenter = 0x01;
inline constexpr TextFormat TextRight = 0x02;
inline constexpr TextFormat TextVCenter = 0x04;
inline constexpr TextFormat TextWordBreak = 0x10;
inline constexpr TextFormat TextSingleLine = 0x20;
// One line that ends in "…" where it is wider than the rectangle.
inline constexpr TextFormat TextEndEllipsis = 0x40;

// Everything is placed in the surface's own pixels (Width() x Height()); at a scale above 1 the
// picture holds that many more pixels and everything is drawn at their fineness: a place x
// lies at x times the scale, halves rounded to the even neighbour, and block copies take the
// source picture drawn at that scale.
class Surface {
public:
    Surface(int width, int height, QColor backColor = Qt::white, double scale = 1.0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    double Scale() const { return scale_; }
    // Width() x Height() times the scale, each rounded up.
    const QImage& Image() const { return image_; }

    // Keeps the picture at the top-left; new parts get the background colour.
    void Resize(int width, int height);
    // Draws at `scale` from now on. The picture is kept, enlarged or reduced pixel by pixel,
    // until it is drawn again.
    void SetScale(double scale);

    QColor BackColor() const { return backColor_; }
    void SetBackColor(QColor color) { backColor_ = color; }
    // Shown by the next Clear() at the top-left at its own size; a null picture removes it.
    void SetBackgroundPicture(const ScaledPicture& picture);
    bool HasBackgroundPicture() const { return !background_.IsNull(); }
    // Background colour everywhere, then the background picture when one is set.
    void Clear();

    // Copies the width x height block at (srcX, srcY) of source to (x, y), pixel by pixel of the
    // source at the surface's scale. Parts of the block outside the source or the target are
    // skipped: the target keeps what it had there.
    void BitBlt(int x, int y, int width, int height, const ScaledPicture& source, int srcX,
                int srcY, RasterOp op);

    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(QColor color) { foreColor_ = color; }
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return font_.bold(); }
    void SetFontBold(bool bold) { font_.setBold(bold); }
    bool FontUnderline() const { return font_.underline(); }
    void SetFontUnderline(bool underline) { font_.setUnderline(underline); }
    const QFont& Font() const { return font_; }

    // Text in the fore colour over what is there, clipped to the rectangle; '&' is shown as is.
    void DrawText(const QString& text, const QRect& rect, TextFormat format);

    // A one-pixel line in the fore colour from the current position, leaving out the end point,
    // which becomes the current position.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    // What the picture says in words, for screen readers; ShowMessage keeps its line here.
    const QString& AltText() const { return altText_; }
    void SetAltText(const QString& text) { altText_ = text; }

    // How many drawing calls the picture has taken. Whoever remembers it after drawing can tell
    // later whether anything has drawn over that since; a resize does not count.
    uint64_t Strokes() const { return strokes_; }

    // The widget that shows this surface sets a handler that repaints it at once.
    void SetRefreshHandler(std::function<void()> handler) { refreshHandler_ = std::move(handler); }
    void Refresh();

private:
    // One of the surface's pixels, that is every pixel of the picture it covers.
    void SetPixel(int x, int y, QRgb color);
    // A length or place of the surface's pixels in the picture's.
    int64_t Scaled(int64_t at) const;
    QSize PictureSize(int width, int height) const;

    int width_;
    int height_;
    double scale_;
    QImage image_;
    QColor backColor_;
    ScaledPicture background_;
    QColor foreColor_ = Qt::black;
    double fontSize_ = 9;
    QFont font_;
    int penX_ = 0;
    int penY_ = 0;
    std::function<void()> refreshHandler_;
    QString altText_;
    uint64_t strokes_ = 0;
};

}  // namespace kestrins
