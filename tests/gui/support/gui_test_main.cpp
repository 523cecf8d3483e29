// GoogleTest inside a QApplication on the offscreen platform; message boxes and modal dialogs
// are answered from queues, and one left unanswered is recorded instead of blocking.
#include "gui/shell/message_boxes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class UnattendedBoxes : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        quillara::gui::TMessageBoxes::Reset();
        quillara::gui::TMessageBoxes::SetUnattended(true);
    }
};
} // namespace

int main(int argc, char** argv) {
    // The offscreen platform always; a test may give it a screen of its own (configfile=...).
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The student's data and config folders are the test run's own, never the real ones.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnattendedBoxes);
    return RUN_ALL_TESTS();
}
