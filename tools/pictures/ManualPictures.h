// CManualPictures: the pictures of the user manual, made by the program
// itself. The desktop program runs on the offscreen platform (in the look of
// CPictureLook, on settings and folders of its own), reads a virtual radio
// that holds the demo clone file, and each window the manual describes is
// opened the way a user opens it, through the main window's commands, and
// drawn into a PNG file. Windows that show what cannot be the same on every
// machine (the setup window lists the machine's serial devices) are made
// by their own classes with fixed contents instead. Times that windows show
// are fixed too: the same program makes the same pictures.
//
// A picture is added with a row of the catalogue: its file, the command
// that opens its window (0 when none does) and the step that takes it; most
// windows need no step of their own (TakeWindowOfCommand).
#pragma once

#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "platform/MemorySettingsStore.h"

class CModalCatcher;
class CVirtualRadio;
class CWindowPicture;
class CZ5App;
class CZ5MainFrame;
class QImage;
class QWidget;

class CManualPictures {
  public:
    // Where the manual finds the pictures, beside itself.
    static constexpr const char* kFolder = "pictures";
    // The demo data, in the folder handed to the constructor: what the
    // radio holds, and another file for Compare With....
    static constexpr const char* kDemoFile = "club.cz5";
    static constexpr const char* kOtherFile = "club-autumn.cz5";

    struct SPicture {
        const char* file;  // "edit-memory.png"
        int command;       // the command that opens the window, 0 for none
        void (CManualPictures::*take)(const SPicture& picture);
    };
    // The pictures in the order they are made.
    static std::span<const SPicture> Catalogue();

    // demoFolder holds the demo files; output is the folder of the
    // pictures (made when missing; PNG files of it that the catalogue does
    // not name are removed).
    CManualPictures(std::string demoFolder, std::string output);
    ~CManualPictures();

    CManualPictures(const CManualPictures&) = delete;
    CManualPictures& operator=(const CManualPictures&) = delete;

    // Makes every picture of the catalogue; what failed (empty when all
    // were made).
    QStringList Run();

    // Shown every window of the pictures, and every question the program
    // asks on the way, just before it is drawn or answered, with the name
    // of its picture (or of the question): the window tests look at the
    // program's windows there. The inspector may resize the window if it
    // puts it back.
    using Inspector = std::function<void(const QString& what, QWidget& window)>;
    void SetInspector(Inspector inspector) { m_inspect = std::move(inspector); }

  private:
    bool Start();
    bool PrepareOutput();
    bool ReadTheRadio();
    void Save(const SPicture& picture, const QImage& image);
    void Save(const SPicture& picture, QWidget& window);
    void Inspect(const QString& what, QWidget& window);
    // handler, after the inspector has seen the window.
    std::function<void(QWidget&)> Inspected(const QString& what,
                                            std::function<void(QWidget&)> handler);
    // Runs command and takes the picture of the window it opens (the first
    // modal window), which is then closed; size: the window's size in the
    // picture, when valid.
    void RunAndTake(int command, const SPicture& picture, QSize size = QSize());
    CZ5MainFrame& Frame() const;
    // The main window as the user would see it now, its lock key panes dark.
    void Steady();

    void TakeMainWindow(const SPicture& picture);
    void TakeSetup(const SPicture& picture);
    void TakeWindowOfCommand(const SPicture& picture);
    void TakeEditMemory(const SPicture& picture);
    void TakeSetField(const SPicture& picture);
    void TakeFindBar(const SPicture& picture);
    void TakePrintPreview(const SPicture& picture);
    void TakeCompare(const SPicture& picture);
    void TakeHistory(const SPicture& picture);
    void TakeTransfer(const SPicture& picture);

    const std::string m_demoFolder;
    const std::string m_output;
    QTemporaryDir m_work;
    CMemorySettingsStore m_settings;
    std::unique_ptr<CWindowPicture> m_picture;
    std::unique_ptr<CModalCatcher> m_modals;
    std::unique_ptr<CVirtualRadio> m_radio;
    std::unique_ptr<CZ5App> m_program;
    QStringList m_failures;
    Inspector m_inspect;
};
