#include "windowSet.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit9.h"
#include "attrakt.h"
#include "renderThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWindow>

namespace gyrelune {

WindowSet::WindowSet() {
    main_ = std::make_unique<TForm1>();
    TForm1* main = main_.get();
    rotation_ = new TForm2(*main, main);
    colours_ = new TForm3(*main, main);
    main_->setToolWindows(
        {rotation_, colours_, [main] { return std::make_unique<TForm4>(*main); }});
    resolution_ = new TForm5(main_.get());
    resolution_->move(132, 149);
    help_ = std::make_unique<TForm6>();
    help_->move(413, 30);
    about_ = std::make_unique<TForm7>();
    about_->move(469, 91);
    image_ = std::make_unique<TForm9>(*main_);
    resolution_->setImageWindow(*image_);
    main_->setWindows({resolution_, help_.get(), about_.get(), image_.get()});
}

WindowSet::~WindowSet() {
    // The render thread ends before the window it draws into goes; then the
    // windows go in the reverse order of their making.
    main_->renderThread().shutdown();
    image_.reset();
    about_.reset();
    help_.reset();
    main_.reset();
}

void WindowSet::show() {
    main_->move(mainPosition);
    main_->show();
    // The image window's outer size counts its frame, which the main window's
    // shows once the window manager has framed it (it is exposed by then).
    QElapsedTimer waited;
    waited.start();
    while (!main_->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QSize frame = main_->frameGeometry().size() - main_->size();
    image_->resize(imageOuterSize - frame);
    image_->move(imagePosition);
    image_->show();
}

void installHungarianTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

} // namespace gyrelune
