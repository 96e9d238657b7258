#include "toolkit/application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

String ExceptionText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

}  // namespace

void ReportException(std::exception_ptr error) {
    if (Application) Application->HandleException(error);
}

TApplication::TApplication() : TComponent(nullptr) {
    if (!QApplication::instance()) throw std::logic_error("TApplication needs a QApplication");
    Initialize();
}

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    if (!QApplication::instance()) FQtApplication = std::make_unique<QApplication>(argc, argv);
    Initialize();
}

void TApplication::Initialize() {
    Application = this;
    if (!Screen) Screen = new TScreen;
    QApplication::setQuitOnLastWindowClosed(false);
    // The page names Windows fonts; let the platform's own sans stand in.
    for (const char* family : {"Tahoma", "Verdana", "MS Sans Serif", "Arial"})
        QFont::insertSubstitution(family, "DejaVu Sans");
    FTitle = QApplication::applicationName().toStdString();
}

TApplication::~TApplication() {
    MarkDestroying();
    DestroyComponents();
    if (Application == this) Application = nullptr;
    delete Screen;
    Screen = nullptr;
}

int TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    if (FTerminated) return 0;
    return QApplication::exec();
}

void TApplication::Terminate() {
    FTerminated = true;
    if (FMainForm) FMainForm->Hide();
    QApplication::quit();
}

void TApplication::FormDestroyed(TForm* form) {
    if (form == FMainForm) FMainForm = nullptr;
}

void TApplication::MainFormPainted() {
    // Zero-time timers posted before the first paint run before it; one
    // posted from the paint runs once the queue has emptied after it.
    QTimer::singleShot(0, QApplication::instance(), [this] { DoIdle(); });
    if (FIdleArmed) return;
    FIdleArmed = true;
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, QApplication::instance(),
                         [this] { DoIdle(); });
}

void TApplication::DoIdle() {
    if (!OnIdle || FInIdle) return;
    FInIdle = true;
    bool done = true;
    TIdleEvent handler = OnIdle;  // the handler may empty the slot
    try {
        handler(this, done);
    } catch (...) {
        HandleException(std::current_exception());
    }
    FInIdle = false;
    if (!done && OnIdle) QTimer::singleShot(0, QApplication::instance(), [this] { DoIdle(); });
}

void TApplication::ProcessMessages() { QApplication::processEvents(); }

void TApplication::HandleException(std::exception_ptr error) {
    String text = ExceptionText(error);
    // A modal box inside a paint or a Qt callback would run a nested loop
    // there; the report waits until the current event is done, and a burst
    // of errors gives one box.
    if (FReportPending) return;
    FReportPending = true;
    QTimer::singleShot(0, QApplication::instance(), [this, text] {
        FReportPending = false;
        MessageBox(text, FTitle, MB_OK | MB_ICONERROR);
    });
}

int TApplication::MessageBox(const String& text, const String& caption, unsigned flags) {
    if (MessageBoxHook) return MessageBoxHook(text, caption, flags);
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (flags & 0xF0) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (flags & 0xF) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MB_RETRYCANCEL: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    if (flags & MB_DEFBUTTON2) {
        if ((flags & 0xF) == MB_YESNO) box.setDefaultButton(QMessageBox::No);
        else if ((flags & 0xF) != MB_OK) box.setDefaultButton(QMessageBox::Cancel);
    }
    if (flags & MB_TOPMOST) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Retry: return IDRETRY;
    default: return IDOK;
    }
}

// ---- TScreen -----------------------------------------------------------

TScreen::TScreen() = default;
TScreen::~TScreen() = default;

int TScreen::Width() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

int TScreen::PixelsPerInch() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? int(s->logicalDotsPerInch()) : 96;
}

TRect TScreen::MonitorRect(TPoint p) const {
    QScreen* s = QGuiApplication::screenAt(QPoint(p.X, p.Y));
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return {};
    QRect g = s->geometry();
    return Bounds(g.x(), g.y(), g.width(), g.height());
}

void TScreen::AddForm(TForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TForm* form) { FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end()); }

TPoint GetCursorPos() {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}
