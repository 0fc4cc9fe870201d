#pragma once
// The program's windows, made once at start-up in a fixed order: the main
// window, the rotation and colour windows, the resolution dialog, the help
// and about windows, and last the image window.

#include <QPoint>
#include <QSize>

#include <memory>

namespace gyrelune {

class TForm1;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TForm7;
class TForm9;

class WindowSet {
  public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Places the windows and shows the main and the image window.
    void show();

    TForm1& main() { return *main_; }
    TForm2& rotation() { return *rotation_; }
    TForm3& colours() { return *colours_; }
    TForm5& resolution() { return *resolution_; }
    TForm6& help() { return *help_; }
    TForm7& about() { return *about_; }
    TForm9& image() { return *image_; }

    static constexpr QPoint mainPosition{32, 14};
    static constexpr QPoint imagePosition{32, 211};
    static constexpr QSize imageOuterSize{578, 576};

  private:
    std::unique_ptr<TForm1> main_;
    // Tool windows of the main window, owned by it.
    TForm2* rotation_ = nullptr;
    TForm3* colours_ = nullptr;
    TForm5* resolution_ = nullptr;
    std::unique_ptr<TForm6> help_;
    std::unique_ptr<TForm7> about_;
    std::unique_ptr<TForm9> image_;
};

// Qt's own Hungarian texts for the standard dialogs and message boxes.
void installHungarianTranslation();

} // namespace gyrelune
