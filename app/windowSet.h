#pragma once
// The program's windows, made once at start-up in a fixed order: the main
// window, the rotation and colour windows, the resolution dialog, the help
// and about windows, and last the image window.

#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

namespace gyrelune {

class MainWindow;
class RotationWindow;
class ColourWindow;
class ResolutionDialog;
class HelpWindow;
class AboutWindow;
class ImageWindow;

class WindowSet {
  public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Places the windows and shows the main and the image window.
    void show();
    // Shows the windows, then opens the document named on the command line
    // (empty: none) as "Megnyitás" would.
    void start(const QString& document);

    MainWindow& main() { return *main_; }
    RotationWindow& rotation() { return *rotation_; }
    ColourWindow& colours() { return *colours_; }
    ResolutionDialog& resolution() { return *resolution_; }
    HelpWindow& help() { return *help_; }
    AboutWindow& about() { return *about_; }
    ImageWindow& image() { return *image_; }

    static constexpr QPoint mainPosition{32, 14};
    static constexpr QPoint imagePosition{32, 211};
    static constexpr QSize imageOuterSize{578, 576};

  private:
    std::unique_ptr<MainWindow> main_;
    // Tool windows of the main window, owned by it.
    RotationWindow* rotation_ = nullptr;
    ColourWindow* colours_ = nullptr;
    ResolutionDialog* resolution_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<ImageWindow> image_;
};

} // namespace gyrelune
