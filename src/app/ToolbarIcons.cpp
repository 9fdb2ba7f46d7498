#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

#include "ui/CommandIds.h"

namespace {

// Every picture is drawn on a 16 x 16 grid; larger sizes scale it.
using Draw = void (*)(QPainter&);

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
// Dark ink alone is lost on a dark toolbar: pictures drawn mostly in ink sit
// on a light plate, or carry a light rim outside their ink outline (the
// colour of a light toolbar, where it does not show).
const QColor kPlate(220, 220, 225);
const QColor kRim(239, 239, 239);
constexpr qreal kRimWidth = 2.6;

void RimmedPath(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(kRim, kRimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawPath(path);
}

void Plate(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPlate);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
}

void Page(QPainter& p, qreal x, qreal y) {
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + 7, y);
    page.lineTo(x + 10, y + 3);
    page.lineTo(x + 10, y + 13);
    page.lineTo(x, y + 13);
    page.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(QPointF(x + 7, y), QPointF(x + 7, y + 3));
    p.drawLine(QPointF(x + 7, y + 3), QPointF(x + 10, y + 3));
}

void Badge(QPainter& p, const QColor& fill, const QString& text) {
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    QFont font = p.font();
    font.setPixelSize(text.size() > 1 ? 7 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, text);
}

void Arrow(QPainter& p, bool toLeft, const QColor& colour) {
    QPainterPath arrow;
    const qreal tip = toLeft ? 1 : 15;
    const qreal back = toLeft ? 8 : 8;
    const qreal tail = toLeft ? 14 : 2;
    arrow.moveTo(tip, 8);
    arrow.lineTo(back, 2);
    arrow.lineTo(back, 5.5);
    arrow.lineTo(tail, 5.5);
    arrow.lineTo(tail, 10.5);
    arrow.lineTo(back, 10.5);
    arrow.lineTo(back, 14);
    arrow.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(arrow);
}

void Connector(QPainter& p, int number) {
    QPainterPath shell;
    shell.moveTo(1, 3);
    shell.lineTo(15, 3);
    shell.lineTo(13, 13);
    shell.lineTo(3, 13);
    shell.closeSubpath();
    RimmedPath(p, shell, QColor(190, 195, 205));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(1, 3, 14, 10), Qt::AlignCenter, QString::number(number));
}

void DrawNew(QPainter& p) {
    Page(p, 3, 1.5);
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(60, 100, 200));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 175));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void DrawEditMemory(QPainter& p) {
    Page(p, 1, 1.5);
    p.setPen(QPen(QColor(200, 60, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 13), QPointF(14, 5));
}

void DrawCopy(QPainter& p) {
    Page(p, 1, 0.5);
    Page(p, 5, 2.5);
}

void DrawPaste(QPainter& p) {
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(190, 140, 80));
    p.drawRect(QRectF(1.5, 2.5, 11, 12));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(4.5, 1.5, 5, 2));
    Page(p, 6, 5.5);
}

void DrawClear(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 4.5, 13, 7));
    p.setPen(QPen(QColor(210, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 3), QPointF(12, 13));
    p.drawLine(QPointF(12, 3), QPointF(4, 13));
}

void DrawPgr(QPainter& p) {
    Badge(p, QColor(40, 140, 70), QStringLiteral("P"));
}

void DrawDtmf(QPainter& p) {
    Plate(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.drawRect(QRectF(3.5 + column * 3.5, 3.5 + row * 3.5, 2, 2));
        }
    }
}

// Three sliders on a plate.
void DrawCommon(QPainter& p) {
    Plate(p);
    const qreal knobs[] = {10, 6, 8.5};
    for (int line = 0; line < 3; ++line) {
        const qreal y = 4.5 + line * 3.5;
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(230, 140, 30));
        p.drawRect(QRectF(knobs[line] - 1.25, y - 1.5, 2.5, 3));
    }
}

void DrawRead(QPainter& p) {
    Arrow(p, true, QColor(50, 160, 70));
}

void DrawWrite(QPainter& p) {
    Arrow(p, false, QColor(210, 70, 40));
}

void DrawInformation(QPainter& p) {
    Badge(p, QColor(40, 90, 200), QStringLiteral("i"));
}

void DrawContents(QPainter& p) {
    Badge(p, QColor(120, 80, 170), QStringLiteral("?"));
}

void DrawProgram(QPainter& p) {
    // A hand-held radio: body, antenna, display.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(4.5, 4.5, 8, 11), 1.5, 1.5);
    p.drawRect(QRectF(5.5, 0.5, 1.5, 4));
    p.setBrush(QColor(150, 220, 150));
    p.drawRect(QRectF(5.5, 6, 6, 3));
}

struct SPicture {
    int id;
    Draw draw;
};
constexpr std::array<SPicture, 19> kPictures = {{
    {Cmd::FileNewMenu, DrawNew},
    {Cmd::FileOpen, DrawOpen},
    {Cmd::FileSave, DrawSave},
    {Cmd::FilePrint, DrawPrint},
    {Cmd::EditMemory, DrawEditMemory},
    {Cmd::EditCopy, DrawCopy},
    {Cmd::EditPaste, DrawPaste},
    {Cmd::EditClear, DrawClear},
    {Cmd::PgrMemory, DrawPgr},
    {Cmd::DtmfAutodial, DrawDtmf},
    {Cmd::CommonSetting, DrawCommon},
    {Cmd::Com1, [](QPainter& p) { Connector(p, 1); }},
    {Cmd::Com2, [](QPainter& p) { Connector(p, 2); }},
    {Cmd::Com3, [](QPainter& p) { Connector(p, 3); }},
    {Cmd::Com4, [](QPainter& p) { Connector(p, 4); }},
    {Cmd::CloneRead, DrawRead},
    {Cmd::CloneWrite, DrawWrite},
    {Cmd::CloneInformation, DrawInformation},
    {Cmd::HelpContents, DrawContents},
}};

QIcon Render(Draw draw) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon CToolbarIcons::Icon(int id) {
    for (const SPicture& picture : kPictures) {
        if (picture.id == id) {
            return Render(picture.draw);
        }
    }
    return {};
}

QIcon CToolbarIcons::ProgramIcon() {
    return Render(DrawProgram);
}
