#include "platform/PrintPreview.h"

#include "base/AtomicFile.h"
#include "platform/Application.h"
#include "platform/PrinterBackend.h"
#include "platform/PromptSink.h"
#include "platform/internal/PaintDeviceContext.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

namespace {

constexpr int kScreenDotsPerInch = 96;
constexpr int kLowestDotsPerInch = 8;
constexpr int kHighestZoom = 2;
// Around and between the pages, and how far a page's shadow falls.
constexpr int kMargin = 16;
constexpr int kGap = 16;
constexpr int kShadow = 4;
constexpr QRgb kBackground = qRgb(128, 128, 128);
constexpr QRgb kShadowColour = qRgb(64, 64, 64);

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class PreviewDialog final : public QDialog {
public:
    PreviewDialog(PrintPreview::Impl& impl, QWidget* parent) : QDialog(parent), impl_(impl) {}
    void reject() override;  // Escape and the close box

private:
    PrintPreview::Impl& impl_;
};

class PreviewCanvas final : public QWidget {
public:
    PreviewCanvas(PrintPreview::Impl& impl, QWidget* parent) : QWidget(parent), impl_(impl) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintPreview::Impl& impl_;
};

// Lays the pages out again when the visible area changes size.
class ViewportWatcher final : public QObject {
public:
    explicit ViewportWatcher(PrintPreview::Impl& impl) : impl_(impl) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PrintPreview::Impl& impl_;
};

}  // namespace

struct PrintPreview::Impl {
    Impl(PrintPreview& o, PrintSettings p, PageRenderer r, PrintChooser c)
        : owner(o), paper(std::move(p)), render(std::move(r)), choosePrint(std::move(c)),
          paperSize(PrintedPaperSize(paper))
    {}

    PrintPreview& owner;
    PrintSettings paper;
    PageRenderer render;
    PrintChooser choosePrint;
    Size paperSize;  // hundredths of an inch, turned

    int currentPage = 1;
    bool twoPages = false;
    int zoom = 0;
    bool open = false;
    bool modal = false;
    bool printed = false;
    bool layingOut = false;
    std::optional<PrintResult> lastPrint;

    // What the renderer said: whether another page follows a page.
    std::map<int, bool> follows;
    // The pages drawn at the resolution shown now.
    int imagesDotsPerInch = 0;
    std::map<int, QImage> images;
    std::vector<int> shown;

    ViewportWatcher watcher{*this};
    // The window goes with the one it was opened over, if that goes first.
    QPointer<PreviewDialog> dialog;
    QPushButton* printButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* pagesButton = nullptr;
    QPushButton* zoomInButton = nullptr;
    QPushButton* zoomOutButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* pageLabel = nullptr;
    QScrollArea* scroll = nullptr;
    PreviewCanvas* canvas = nullptr;

    bool PageFollows(int page) const
    {
        auto it = follows.find(page);
        return it != follows.end() && it->second;
    }

    QSize PagePixels(int dotsPerInch) const
    {
        const auto pixels = [dotsPerInch](int hundredths) {
            return std::max(1, static_cast<int>(static_cast<long long>(hundredths) * dotsPerInch / 100));
        };
        return {pixels(paperSize.width), pixels(paperSize.height)};
    }

    // The resolution that fits count pages side by side into the visible area.
    int FittingDotsPerInch(int count) const
    {
        // The area without scroll bars: pages that fit need none.
        const QSize area = scroll != nullptr ? scroll->maximumViewportSize() : QSize(800, 600);
        const double wide = static_cast<double>(area.width() - 2 * kMargin - (count - 1) * kGap - count * kShadow)
            * 100.0 / (static_cast<double>(std::max(paperSize.width, 1)) * count);
        const double high = static_cast<double>(area.height() - 2 * kMargin - kShadow) * 100.0
            / static_cast<double>(std::max(paperSize.height, 1));
        return std::max(kLowestDotsPerInch, static_cast<int>(std::floor(std::min(wide, high))));
    }

    int DotsPerInch(int count) const
    {
        if (zoom == 0)
            return FittingDotsPerInch(count);
        return kScreenDotsPerInch * zoom;
    }

    QImage DrawPage(int page, int dotsPerInch)
    {
        const QSize size = PagePixels(dotsPerInch);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        bool more = false;
        if (render) {
            internal::PaintDeviceContext context(image, nullptr, true);
            try {
                more = render(context, page);
            } catch (...) {
                // A page that cannot be drawn ends the document here.
                more = false;
            }
        }
        follows[page] = more;
        return image;
    }

    const QImage& PageImage(int page, int dotsPerInch)
    {
        if (dotsPerInch != imagesDotsPerInch) {
            images.clear();
            imagesDotsPerInch = dotsPerInch;
        }
        auto it = images.find(page);
        if (it == images.end())
            it = images.emplace(page, DrawPage(page, dotsPerInch)).first;
        return it->second;
    }

    // Draws the pages shown now (when needed) and sizes the canvas for them.
    void LayOut()
    {
        if (layingOut || !dialog)
            return;
        layingOut = true;
        // Whether a second page exists is known once the first is drawn, at
        // the resolution for two; with one page, one fills the window.
        int count = twoPages ? 2 : 1;
        int dotsPerInch = DotsPerInch(count);
        PageImage(currentPage, dotsPerInch);
        if (count == 2 && !PageFollows(currentPage)) {
            count = 1;
            dotsPerInch = DotsPerInch(count);
            PageImage(currentPage, dotsPerInch);
        }
        shown.clear();
        for (int page = currentPage; page < currentPage + count; ++page) {
            PageImage(page, dotsPerInch);
            shown.push_back(page);
        }
        for (auto it = images.begin(); it != images.end();)
            it = std::find(shown.begin(), shown.end(), it->first) == shown.end() ? images.erase(it) : std::next(it);

        const QSize page = PagePixels(dotsPerInch);
        const QSize content(
            2 * kMargin + count * (page.width() + kShadow) + (count - 1) * kGap, 2 * kMargin + page.height() + kShadow);
        canvas->resize(content.expandedTo(scroll->maximumViewportSize()));
        UpdateControls();
        canvas->update();
        layingOut = false;
    }

    void UpdateControls()
    {
        if (!dialog)
            return;
        printButton->setEnabled(owner.CanExecute(Command::Print));
        nextButton->setEnabled(owner.CanExecute(Command::NextPage));
        previousButton->setEnabled(owner.CanExecute(Command::PreviousPage));
        pagesButton->setText(twoPages ? QStringLiteral("One Page") : QStringLiteral("Two Page"));
        zoomInButton->setEnabled(owner.CanExecute(Command::ZoomIn));
        zoomOutButton->setEnabled(owner.CanExecute(Command::ZoomOut));
        pageLabel->setText(shown.size() > 1 ? QStringLiteral("Pages %1-%2").arg(shown.front()).arg(shown.back())
                                            : QStringLiteral("Page %1").arg(currentPage));
    }

    void Paint(QPainter& painter, const QRect& area)
    {
        painter.fillRect(area, QColor::fromRgb(kBackground));
        if (shown.empty())
            return;
        const QSize page = PagePixels(imagesDotsPerInch);
        const int count = static_cast<int>(shown.size());
        const int width = count * (page.width() + kShadow) + (count - 1) * kGap;
        int x = std::max(kMargin, (canvas->width() - width) / 2);
        const int y = std::max(kMargin, (canvas->height() - page.height() - kShadow) / 2);
        for (int number : shown) {
            auto it = images.find(number);
            if (it == images.end())
                continue;
            const QRect sheet(QPoint(x, y), it->second.size());
            painter.fillRect(sheet.translated(kShadow, kShadow), QColor::fromRgb(kShadowColour));
            painter.drawImage(sheet.topLeft(), it->second);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(sheet.adjusted(0, 0, -1, -1));
            x += sheet.width() + kShadow + kGap;
        }
    }

    QPushButton* AddButton(QHBoxLayout& bar, const char* text, Command command)
    {
        auto* button = new QPushButton(QString::fromLatin1(text), dialog);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, [this, command] { owner.Execute(command); });
        bar.addWidget(button);
        return button;
    }

    void Build()
    {
        if (dialog)
            return;
        QWidget* over = QApplication::activeWindow();
        dialog = new PreviewDialog(*this, over);
        dialog->setWindowTitle(ToQString(paper.documentName) + QStringLiteral(" - Print Preview"));
        auto* column = new QVBoxLayout(dialog);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto* bar = new QHBoxLayout();
        bar->setContentsMargins(4, 4, 4, 4);
        printButton = AddButton(*bar, "Print...", Command::Print);
        nextButton = AddButton(*bar, "Next Page", Command::NextPage);
        previousButton = AddButton(*bar, "Prev Page", Command::PreviousPage);
        pagesButton = AddButton(*bar, "Two Page", Command::OneOrTwoPages);
        zoomInButton = AddButton(*bar, "Zoom In", Command::ZoomIn);
        zoomOutButton = AddButton(*bar, "Zoom Out", Command::ZoomOut);
        closeButton = AddButton(*bar, "Close", Command::Close);
        pageLabel = new QLabel(dialog);
        bar->addSpacing(12);
        bar->addWidget(pageLabel);
        bar->addStretch(1);
        column->addLayout(bar);
        scroll = new QScrollArea(dialog);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(false);
        scroll->setAlignment(Qt::AlignCenter);
        QPalette palette = scroll->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(kBackground));
        scroll->setPalette(palette);
        scroll->setBackgroundRole(QPalette::Window);
        canvas = new PreviewCanvas(*this, scroll);
        scroll->setWidget(canvas);
        scroll->viewport()->installEventFilter(&watcher);
        column->addWidget(scroll, 1);
        if (over != nullptr)
            dialog->resize(over->size());
        else
            dialog->resize(900, 700);
        // Sized now, so the first pages are drawn for the window they show in.
        column->activate();
        LayOut();
    }

    void Print()
    {
        std::optional<PrintSettings> target = choosePrint ? choosePrint(paper) : std::nullopt;
        if (!target)
            return;
        lastPrint = owner.App().Printers().Print(*target, render);
        if (lastPrint->ok) {
            printed = true;
            owner.Close();
            return;
        }
        MessageBoxRequest request;
        request.owner = owner.Handle();
        request.text = "The pages could not be printed.\n\n" + lastPrint->error;
        request.caption = "Print";
        request.icon = MessageBoxIcon::Error;
        owner.App().Prompts().ShowMessageBox(request);
    }
};

namespace {

void PreviewDialog::reject() { impl_.owner.Close(); }

void PreviewCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    impl_.Paint(painter, event->rect());
}

bool ViewportWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && impl_.zoom == 0)
        impl_.LayOut();
    return QObject::eventFilter(watched, event);
}

}  // namespace

PrintPreview::PrintPreview(PrintSettings paper, PageRenderer render, PrintChooser choosePrint)
    : impl_(std::make_unique<Impl>(*this, std::move(paper), std::move(render), std::move(choosePrint)))
{}

PrintPreview::~PrintPreview()
{
    if (impl_->dialog) {
        impl_->scroll->viewport()->removeEventFilter(&impl_->watcher);
        delete impl_->dialog.data();
    }
}

bool PrintPreview::Run()
{
    if (IsOpen())
        return false;
    impl_->Build();
    impl_->printed = false;
    impl_->open = true;
    impl_->modal = true;
    impl_->dialog->setWindowModality(Qt::ApplicationModal);
    impl_->dialog->exec();
    impl_->modal = false;
    impl_->open = false;
    return impl_->printed;
}

bool PrintPreview::Show()
{
    if (IsOpen())
        return false;
    impl_->Build();
    impl_->printed = false;
    impl_->open = true;
    impl_->dialog->setWindowModality(Qt::NonModal);
    impl_->dialog->show();
    impl_->LayOut();
    return true;
}

void PrintPreview::Close()
{
    if (!impl_->open)
        return;
    impl_->open = false;
    if (!impl_->dialog)
        return;
    if (impl_->modal)
        impl_->dialog->done(0);
    else
        impl_->dialog->hide();
}

bool PrintPreview::IsOpen() const { return impl_->open && impl_->dialog; }

bool PrintPreview::CanExecute(Command command) const
{
    const Impl& d = *impl_;
    switch (command) {
    case Command::Print: return static_cast<bool>(d.choosePrint) && static_cast<bool>(d.render);
    case Command::NextPage: return !d.shown.empty() && d.PageFollows(d.shown.back());
    case Command::PreviousPage: return d.currentPage > 1;
    case Command::ZoomIn: return d.zoom < kHighestZoom;
    case Command::ZoomOut: return d.zoom > 0;
    case Command::OneOrTwoPages:
    case Command::Close: return true;
    }
    return false;
}

void PrintPreview::Execute(Command command)
{
    Impl& d = *impl_;
    if (!CanExecute(command))
        return;
    switch (command) {
    case Command::Print: d.Print(); return;
    case Command::NextPage: ++d.currentPage; break;
    case Command::PreviousPage: --d.currentPage; break;
    case Command::OneOrTwoPages: d.twoPages = !d.twoPages; break;
    case Command::ZoomIn: ++d.zoom; break;
    case Command::ZoomOut: --d.zoom; break;
    case Command::Close: Close(); return;
    }
    d.LayOut();
}

int PrintPreview::CurrentPage() const { return impl_->currentPage; }

int PrintPreview::PagesShown() const { return impl_->shown.empty() ? 1 : static_cast<int>(impl_->shown.size()); }

int PrintPreview::ZoomLevel() const { return impl_->zoom; }

const std::optional<PrintResult>& PrintPreview::LastPrint() const { return impl_->lastPrint; }

bool PrintPreview::SaveImage(const std::filesystem::path& pngPath, std::string* error) const
{
    if (!impl_->dialog) {
        if (error != nullptr)
            *error = "The preview has not been shown.";
        return false;
    }
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!impl_->dialog->grab().toImage().save(&buffer, "PNG")) {
            if (error != nullptr)
                *error = "The picture of the preview could not be made.";
            return false;
        }
    }
    if (const FileError failure
        = WriteFileAtomically(pngPath, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (error != nullptr)
            *error = failure.message;
        return false;
    }
    return true;
}

std::intptr_t PrintPreview::OnMessage(Message& message)
{
    if (message.id != kCommandMessage)
        return Window::OnMessage(message);
    const std::uintptr_t command = message.wParam;
    if (command >= static_cast<std::uintptr_t>(Command::Print)
        && command <= static_cast<std::uintptr_t>(Command::Close)) {
        Execute(static_cast<Command>(command));
        return 1;
    }
    return 0;
}

}  // namespace corvane
