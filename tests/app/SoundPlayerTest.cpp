#include "app/MediaBackendProbe.h"
#include "app/SoundPlayer.h"
#include "app/WidgetUi.h"
#include "dialogs/DialogMessage.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {
struct SoundPlayer : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CSoundPlayer player{ui};
    SoundPlayer()
    {
        base.Write(QStringLiteral("sounds\\flap.wav"), "not a wave at all");
        base.Write(QStringLiteral("sounds\\tune.mid"), "not a midi file either");
    }
    QStringList Shown() const
    {
        QStringList shown;
        for (const RecordedMessage& m : ui.messages)
            shown << m.caption + QLatin1Char('|') + m.text;
        return shown;
    }
};
} // namespace

TEST_F(SoundPlayer, ASoundThatCannotStartSaysWhyAndNamesTheFile)
{
    const struct {
        const char* path;
        bool audioOutput;
        bool mediaBackend;
        const char* message;
    } rows[] = {
        {"sounds\\gone.wav", true, true, "The sound file sounds\\gone.wav can't be found."},
        {"sounds\\gone.mid", false, true, "The sound file sounds\\gone.mid can't be found."},
#ifdef TESSELL_HAVE_MULTIMEDIA
        {"sounds\\flap.wav", false, true, "The sound sounds\\flap.wav can't be played: this computer has no audio output."},
        {"sounds\\tune.mid", false, true, "The sound sounds\\tune.mid can't be played: this computer has no audio output."},
        {"sounds\\tune.mid", true, false, "The sound sounds\\tune.mid can't be played: the GStreamer plugins that play "
                                           "sounds are not installed on this computer."},
#else
        {"sounds\\flap.wav", true, true, "The sound sounds\\flap.wav can't be played: this program was built without sound "
                                   "playback."},
#endif
    };
    for (const auto& r : rows) {
        ui.messages.clear();
        const bool output = r.audioOutput, backend = r.mediaBackend;
        player.hasAudioOutput = [output] { return output; };
        player.mediaBackendReady = [backend] { return backend; };
        player.Play(QLatin1String(r.path));
        EXPECT_EQ(QStringList{QStringLiteral("Sound Manager|") + QLatin1String(r.message)}, Shown()) << r.path;
        EXPECT_FALSE(player.Playing()) << r.path;
    }
}

#ifdef TESSELL_HAVE_MULTIMEDIA
TEST_F(SoundPlayer, AFileNothingPlaysIsReportedOnceWhenThePlayerGivesUp)
{
    player.hasAudioOutput = [] { return true; };
    for (const char* path : {"sounds\\flap.wav", "sounds\\tune.mid"}) {
        if (QByteArray(path).endsWith(".mid") && !MediaBackendReady())
            continue; // the missing plugins are told before any file is tried
        ui.messages.clear();
        player.Play(QLatin1String(path));
        const QString expected = QStringLiteral("Sound Manager|The sound %1 can't be played: nothing on this computer "
                                                "plays its format, or the file is damaged.")
                                     .arg(QLatin1String(path));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 10000)) << path;
        QTest::qWait(200);
        EXPECT_EQ(QStringList{expected}, Shown()) << path;
        EXPECT_FALSE(player.Playing());
    }
}

#endif

TEST_F(SoundPlayer, TheEditorShowsTheMessageWhenThereIsNoAudioOutput)
{
    if (CSoundPlayer(ui).hasAudioOutput())
        GTEST_SKIP() << "this computer has an audio output";
    QStringList shown;
    SetMessageShower([&](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
        shown << caption + QLatin1Char('|') + text;
        return int(QMessageBox::Ok);
    });
    CWidgetUi editor;
    editor.PlaySound(QStringLiteral("sounds\\flap.wav"));
    SetMessageShower(nullptr);
#ifdef TESSELL_HAVE_MULTIMEDIA
    const char* why = "this computer has no audio output.";
#else
    const char* why = "this program was built without sound playback.";
#endif
    EXPECT_EQ(QStringList{QStringLiteral("Sound Manager|The sound sounds\\flap.wav can't be played: ") + QLatin1String(why)},
              shown);
}
