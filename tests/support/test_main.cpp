// Test main: a QApplication on the offscreen platform, so no display is needed.
//
// When one process runs many tests (ctest -L whole), what a test left for deferred deletion (a window
// closed with deleteLater, say) is deleted when the test ends, so the next test does not meet it
// half-destroyed, as its active window for instance.
#include <QApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

class DeferredDeletions : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new DeferredDeletions);
    return RUN_ALL_TESTS();
}
