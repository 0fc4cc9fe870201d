// The thread tests need an application object whose thread serves the
// render thread's synchronised calls.

#include <QGuiApplication>

#include <gtest/gtest.h>

#if defined(__SANITIZE_THREAD__)
// Qt is not built with ThreadSanitizer, so the synchronisation inside it is
// invisible: the event of a blocking queued call (made in QMetaMethod::invoke
// on the render thread, freed on the UI thread) and QThread's own wait
// condition (freed after the join). Both are ordered inside Qt.
extern "C" const char* __tsan_default_suppressions() {
    return "race:QMetaMethod::invoke\n"
           "race:QWaitCondition::~QWaitCondition\n";
}
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
