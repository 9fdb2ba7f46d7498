#include "print/PrintDevice.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QProcess>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/MemorySettingsStore.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsStore.h"
#include "platform/TempFile.h"
#include "platform/Translation.h"
#include "print/SystemPrinters.h"

namespace {

constexpr std::size_t kProfileLength = 64;
constexpr int kFullScale = 100;
constexpr double kUnitsPerInch = 254.0;  // 0.1 mm
constexpr int kUnitsPerMillimetre = 10;
constexpr int kScreenDotsPerInch = 96;
constexpr int kTextPoints = 2;    // body font: 2 x scale tenths of a point
constexpr int kHeaderPoints = 4;  // header font: 4 x scale tenths of a point
constexpr int kRuleWidth = 5;     // the header and footer rules, 0.5 mm
constexpr int kRuleInset = 10;    // 1 mm inside the header and footer lines
constexpr int kBoxInsetY = 1;
constexpr int kBoxInsetX = 2;
constexpr const char* kFontFace = "Arial";
constexpr const char* kSpoolProgram = "lp";
constexpr int kPdfDotsPerInch = 1200;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool ReadWholeFile(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && in.is_open();
}

const char* SidesOf(SPageSettings::ESides sides) {
    switch (sides) {
        case SPageSettings::ESides::kLongEdge:
            return "sides=two-sided-long-edge";
        case SPageSettings::ESides::kShortEdge:
            return "sides=two-sided-short-edge";
        case SPageSettings::ESides::kOneSided:
            break;
    }
    return nullptr;
}

// The paper a PPD names ("A4", "Letter"), or none.
std::optional<QPageSize> PaperOf(const std::string& key) {
    const QString wanted = QString::fromStdString(key);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(size) == wanted) {
            return QPageSize(size);
        }
    }
    return std::nullopt;
}

bool SameNames(const CPrintDevice::SPrinterNames& a, const CPrintDevice::SPrinterNames& b) {
    return a.device == b.device && a.driver == b.driver && a.port == b.port;
}

// The text up to the first of the stop characters (or the end); text loses
// it and the stop character.
std::string TakeField(std::string& text, const char* stops) {
    const std::size_t end = text.find_first_of(stops);
    std::string field = text.substr(0, end);
    text = end == std::string::npos ? std::string() : text.substr(end + 1);
    return field;
}

QRect ToQRect(const SPrintRect& rect) {
    return QRect(QPoint(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)),
                 QPoint(std::max(rect.left, rect.right) - 1, std::max(rect.top, rect.bottom) - 1));
}

// A target that may not be replaced, as opposed to one that cannot be
// reached or a folder that cannot be written.
bool IsRefusedTarget(CReplacingFile::ETargetProblem problem) {
    return problem != CReplacingFile::ETargetProblem::kNone &&
           problem != CReplacingFile::ETargetProblem::kUnreachable;
}

// Where the text of a box goes: the cell less its insets.
QRect TextRect(const SPrintRect& rect, int direction) {
    const int inY = kBoxInsetY * direction;
    return ToQRect(
        {rect.left + kBoxInsetX, rect.top + inY, rect.right - kBoxInsetX, rect.bottom - inY});
}

Qt::Alignment HorizontalAlignment(int alignment) {
    switch (alignment & 3) {
        case kPrintRight:
            return Qt::AlignRight;
        case kPrintCenter:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

int LineHeightOf(const QFontMetrics& metrics) {
    return metrics.height() + metrics.leading();
}

// The metrics of font on the device drawn on (logical units), or on the
// screen without one.
QFontMetrics MetricsOn(const QFont& font, QPagedPaintDevice* device) {
    return device != nullptr ? QFontMetrics(font, device) : QFontMetrics(font);
}

}  // namespace

CPrintDevice::SPrinterNames CPrintDevice::ParseProfileDevice(const std::string& entry) {
    std::string rest = entry.substr(0, kProfileLength);
    SPrinterNames names;
    names.device = TakeField(rest, ",");
    names.driver = TakeField(rest, ", ");
    names.port = TakeField(rest, ", ");
    if (names.device.empty() || names.driver.empty() || names.port.empty()) {
        return {};
    }
    return names;
}

namespace {

const CSystemPrinters& SystemPrinters() {
    static const CSystemPrinters printers;
    return printers;
}

}  // namespace

CPrintDevice::CPrintDevice(const CSettingsStore& settings)
    : CPrintDevice(settings, SystemPrinters()) {}

CPrintDevice::CPrintDevice(const CSettingsStore& settings, const CSystemPrinters& printers)
    : m_printers(printers), m_page(PdfPageSettings()), m_scale(kFullScale) {
    m_systemDefault = !settings.Contains(kProfileSection, kProfileDevice);
    if (!m_systemDefault) {
        m_wanted = ParseProfileDevice(settings.GetString(kProfileSection, kProfileDevice, ""));
    }
}

std::unique_ptr<CPrintDevice> CPrintDevice::ForPdfFile(const std::string& path) {
    CMemorySettingsStore noPrinter;
    noPrinter.SetString(kProfileSection, kProfileDevice, "");
    auto device = std::make_unique<CPrintDevice>(noPrinter);
    device->SelectPrinter(kPdfDriver, kPdfDriver, path, PdfPageSettings());
    return device;
}

CPrintDevice::~CPrintDevice() {
    if (m_painter.isActive()) {
        AbortJob();
    }
}

const CPrintDevice::SPrinterNames& CPrintDevice::Names() const {
    if (!m_lookedUp) {
        FindPrinter();
    }
    return m_names;
}

CPrintDevice::SPrinterNames CPrintDevice::WantedPrinter() const {
    if (!m_systemDefault) {
        return m_wanted;
    }
    const std::string name = m_printers.DefaultName();
    return {name, kSystemDriver, name};
}

// Whether the wanted printer exists now; a printer found again keeps its
// page settings, another one starts with its own.
bool CPrintDevice::FindPrinter() const {
    m_lookedUp = true;
    const SPrinterNames wanted = WantedPrinter();
    SPageSettings page;
    if (!wanted.device.empty() && OpenPrinter(wanted, page)) {
        if (!SameNames(wanted, m_names)) {
            m_names = wanted;
            m_page = page;
        }
        return true;
    }
    m_names = {};
    m_page = PdfPageSettings();
    return false;
}

void CPrintDevice::LookUpPrinter() {
    const std::string previous = m_lookedUp ? m_names.device : std::string();
    m_error.clear();
    if (!FindPrinter() && !previous.empty()) {
        m_error = CTranslation::Args(
            CTranslation::Tr("CPrintDevice",
                             "The printer %1 is no longer installed.\nChoose another one with "
                             "Printer Setup... in the Print window."),
            {previous});
    }
}

SPageSettings CPrintDevice::DefaultPageSettings(const std::string& paper) {
    SPageSettings page;
    page.layout = QPageLayout(PaperOf(paper).value_or(QPageSize(QPageSize::A4)),
                              QPageLayout::Portrait, QMarginsF());
    return page;
}

SPageSettings CPrintDevice::PdfPageSettings() {
    return DefaultPageSettings("");
}

bool CPrintDevice::OpenPrinter(const SPrinterNames& names, SPageSettings& page) const {
    if (names.driver == kPdfDriver) {
        page = PdfPageSettings();
        return true;
    }
    if (!m_printers.Exists(names.device)) {
        return false;
    }
    page = DefaultPageSettings(m_printers.DefaultPaper(names.device));
    return true;
}

const SPageSettings& CPrintDevice::PageSettings() const {
    Names();
    return m_page;
}

unsigned CPrintDevice::SetPrintScale(int percent) {
    if (!CanStartJob()) {
        return kScaleNoPrinter;
    }
    if (percent <= 0) {
        return kScaleRejected;
    }
    const int previous = m_scale;
    m_scale = percent;
    return static_cast<unsigned>(previous);
}

bool CPrintDevice::SelectPrinter(const std::string& device, const std::string& driver,
                                 const std::string& port, const SPageSettings& page) {
    if (device.empty() || driver.empty() || port.empty() || IsJobRunning()) {
        return false;
    }
    const SPrinterNames names{device, driver, port};
    SPageSettings opened;
    if (!OpenPrinter(names, opened)) {
        return false;
    }
    m_systemDefault = false;
    m_lookedUp = true;
    m_wanted = names;
    m_names = names;
    m_page = page;
    return true;
}

void CPrintDevice::SetMargins(int left, int top, int right, int bottom) {
    m_margins = {left, top, right, bottom};
}

int CPrintDevice::FontHeight(int pointTenths) {
    return pointTenths * kScreenDotsPerInch / 720;
}

QFont CPrintDevice::MakeFont(int pointsAtFullScale) const {
    QFont font(QString::fromLatin1(kFontFace));
    font.setPixelSize(std::max(1, FontHeight(pointsAtFullScale * m_scale)));
    return font;
}

bool CPrintDevice::StartJob(const std::string& documentName) {
    m_error.clear();
    if (!CanStartJob() || IsJobRunning()) {
        return false;
    }
    m_documentName = documentName;
    m_cancelled = false;
    m_pagesStarted = 0;
    if ((m_preview == nullptr && !OpenSpool(documentName)) || !m_painter.begin(Target())) {
        DropSpool();
        return false;
    }
    m_textFont = MakeFont(kTextPoints);
    SetUpPage();
    return true;
}

// The job's PDF in the temporary folder and, for a PDF printer, the new file
// beside the target, made first so that a folder that cannot be written is
// told before anything is drawn.
bool CPrintDevice::OpenSpool(const std::string& documentName) {
    if (m_names.driver == kPdfDriver) {
        m_target = std::make_unique<CReplacingFile>(m_names.port);
        if (!m_target->Open()) {
            if (IsRefusedTarget(m_target->Problem())) {
                return FailWith(CTranslation::Args(
                    CTranslation::Tr("CPrintDevice", "The PDF file is not written: %1."),
                    {m_target->Error()}));
            }
            return FailWith(CTranslation::Args(
                CTranslation::Tr("CPrintDevice",
                                 "The PDF file cannot be written into the folder %1.\n%2"),
                {FolderOf(m_names.port), m_target->Error()}));
        }
    }
    m_spoolFile = std::make_unique<CTempFile>(CTempFile::kSpoolPrefix);
    if (!m_spoolFile->IsValid()) {
        return FailWith(CTranslation::Args(
            CTranslation::Tr("CPrintDevice", "No temporary file can be made in %1."),
            {CTempFile::Directory()}));
    }
    m_spool = std::make_unique<QPdfWriter>(QString::fromStdString(m_spoolFile->Path()));
    m_spool->setResolution(kPdfDotsPerInch);
    // Drawn from the paper's corner: the margins are the job's own.
    QPageLayout layout = m_page.layout;
    layout.setMode(QPageLayout::FullPageMode);
    m_spool->setPageLayout(layout);
    m_spool->setTitle(QString::fromStdString(documentName));
    return true;
}

bool CPrintDevice::FailWith(const std::string& error) {
    m_error = error;
    return false;
}

void CPrintDevice::DropSpool() {
    m_spool.reset();
    m_spoolFile.reset();
    m_target.reset();
}

QPagedPaintDevice* CPrintDevice::Target() const {
    return m_preview != nullptr ? m_preview : m_spool.get();
}

bool CPrintDevice::IsJobRunning() const {
    return m_painter.isActive();
}

// 0.1 mm per logical unit from the paper's top left corner, and the body
// font.
void CPrintDevice::SetUpPage() {
    const double scale = Target()->logicalDpiX() / kUnitsPerInch;
    m_painter.resetTransform();
    m_painter.scale(scale, scale);
    m_painter.setFont(m_textFont);
}

SPrintRect CPrintDevice::PrintableRect() const {
    if (!CanStartJob()) {
        return {};
    }
    const QRectF paper = m_page.layout.fullRect(QPageLayout::Millimeter);
    const int width = static_cast<int>(paper.width() * kUnitsPerMillimetre + 0.5);
    const int height = static_cast<int>(paper.height() * kUnitsPerMillimetre + 0.5);
    return {m_margins.left * kUnitsPerMillimetre, m_margins.top * kUnitsPerMillimetre,
            width - m_margins.right * kUnitsPerMillimetre,
            height - m_margins.bottom * kUnitsPerMillimetre};
}

bool CPrintDevice::EndJob() {
    m_error.clear();
    if (!IsJobRunning()) {
        return false;
    }
    const bool drawn = m_painter.end();
    const bool delivered =
        drawn ? m_preview != nullptr || Deliver()
              : FailWith(CTranslation::Tr("CPrintDevice", "The pages could not be made."));
    DropSpool();
    return delivered;
}

bool CPrintDevice::Deliver() {
    if (m_names.driver != kPdfDriver) {
        return SendToSystemPrinter();
    }
    std::string pdf;
    if (!ReadWholeFile(m_spoolFile->Path(), pdf)) {
        return FailWith(CTranslation::Args(
            CTranslation::Tr("CPrintDevice", "The pages could not be read back from %1."),
            {m_spoolFile->Path()}));
    }
    m_target->Write(pdf);
    return m_target->Commit() || FailWith(m_target->Error());
}

std::vector<std::string> CPrintDevice::SpoolCommand(const std::string& printer,
                                                    const std::string& title,
                                                    const SPageSettings& settings,
                                                    const std::string& file) {
    std::vector<std::string> command = {kSpoolProgram,
                                        "-d",
                                        printer,
                                        "-t",
                                        title,
                                        "-n",
                                        std::to_string(std::max(1, settings.copies))};
    if (const char* sides = SidesOf(settings.sides)) {
        command.insert(command.end(), {"-o", sides});
    }
    if (settings.copies > 1 && settings.collate) {
        command.insert(command.end(), {"-o", "collate=true"});
    }
    command.insert(command.end(), {"--", file});
    return command;
}

bool CPrintDevice::SendToSystemPrinter() {
    const std::vector<std::string> command =
        SpoolCommand(m_names.device, m_documentName, m_page, m_spoolFile->Path());
    QStringList arguments;
    for (auto it = command.begin() + 1; it != command.end(); ++it) {
        arguments << QString::fromStdString(*it);
    }
    QProcess spooler;
    spooler.setProcessChannelMode(QProcess::MergedChannels);
    spooler.start(QString::fromStdString(command.front()), arguments);
    const auto failure = [this](const std::string& why) {
        return FailWith(CTranslation::Args(
            CTranslation::Tr("CPrintDevice", "The job could not be sent to the printer %1:\n%2"),
            {m_names.device, why}));
    };
    if (!spooler.waitForStarted() || !spooler.waitForFinished(-1)) {
        return failure(command.front() + ": " + spooler.errorString().toStdString());
    }
    if (spooler.exitStatus() != QProcess::NormalExit || spooler.exitCode() != 0) {
        return failure(spooler.readAll().trimmed().toStdString());
    }
    return true;
}

void CPrintDevice::AbortJob() {
    if (IsJobRunning()) {
        m_painter.end();
    }
    DropSpool();
}

int CPrintDevice::LineHeight() const {
    return LineHeightOf(MetricsOn(m_textFont, Target()));
}

int CPrintDevice::CharWidth(char character) const {
    return MetricsOn(m_textFont, Target()).horizontalAdvance(QLatin1Char(character));
}

int CPrintDevice::StartPrintPage() {
    if (!IsJobRunning()) {
        return 0;
    }
    if (m_pagesStarted > 0 && !Target()->newPage()) {
        return 0;
    }
    ++m_pagesStarted;
    SetUpPage();
    return 1;
}

// The place where the spooler would call the abort procedure: pending
// events run, and a cancelled job fails here.
int CPrintDevice::EndPrintPage() {
    QCoreApplication::processEvents();
    return IsJobRunning() && !m_cancelled ? 1 : -1;
}

int CPrintDevice::PageHeaderDepth() const {
    const QFont font = MakeFont(kHeaderPoints);
    return 2 * (LineHeightOf(MetricsOn(font, Target())) + kRuleWidth);
}

// Draws text on one line from left (or ending there); returns its width.
int CPrintDevice::DrawHeaderText(int left, int top, int height, const QString& text,
                                 bool rightAligned) {
    if (text.isEmpty()) {
        return 0;
    }
    const int width = m_painter.fontMetrics().horizontalAdvance(text);
    const int x = rightAligned ? left - width : left;
    m_painter.drawText(QRect(x, top, width, height),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return width;
}

void CPrintDevice::PrintPageHeader(SPrintRect& rect, const std::string& title,
                                   const std::string& revision, const std::string& bottomLeft,
                                   const std::string& bottomRight) {
    const int direction = LineDirection();
    m_painter.save();
    m_painter.setFont(MakeFont(kHeaderPoints));
    const int height = LineHeightOf(m_painter.fontMetrics());
    const int h = height * direction;
    DrawHeaderText(rect.left, rect.top, height, QString::fromStdString(title), false);
    DrawHeaderText(rect.right, rect.top, height, QString::fromStdString(revision), true);
    const int rightWidth = DrawHeaderText(rect.right, rect.bottom - h, height,
                                          QString::fromStdString(bottomRight), true);
    // A long bottom-left text (a footer with a long file name) loses its
    // beginning rather than run into the bottom-right one.
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int gap = rightWidth > 0 ? metrics.horizontalAdvance(QLatin1Char('W')) : 0;
    const int room = std::max(0, std::abs(rect.right - rect.left) - rightWidth - gap);
    DrawHeaderText(rect.left, rect.bottom - h, height,
                   metrics.elidedText(QString::fromStdString(bottomLeft), Qt::ElideLeft, room),
                   false);

    m_painter.setPen(QPen(Qt::black, kRuleWidth, Qt::SolidLine, Qt::FlatCap));
    const int d = kRuleInset * direction;
    m_painter.drawLine(rect.left, rect.top + h + d, rect.right, rect.top + h + d);
    m_painter.drawLine(rect.left, rect.bottom - h - d, rect.right, rect.bottom - h - d);
    m_painter.restore();

    const int depth = 2 * (h + kRuleWidth * direction);
    rect.top += depth;
    rect.bottom -= depth;
}

void CPrintDevice::PrintBoxedText(const SPrintRect& rect, const std::string& text, int alignment) {
    m_painter.setFont(m_textFont);
    m_painter.drawText(TextRect(rect, LineDirection()),
                       static_cast<int>(HorizontalAlignment(alignment) | Qt::AlignVCenter) |
                           Qt::TextSingleLine | Qt::TextDontClip,
                       QString::fromStdString(text));
    m_painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(ToQRect(rect));
}

void CPrintDevice::PrintNote(const SPrintRect& rect, const std::string& text) {
    m_painter.setFont(m_textFont);
    m_painter.drawText(TextRect(rect, LineDirection()),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                       QString::fromStdString(text));
}
