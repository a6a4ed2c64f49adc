// The sounds a script plays, found as the compiler reads Small source.
#include "build/ScriptSounds.h"
#include "support/io/TextCodec.h"

#include <gtest/gtest.h>

TEST(ScriptSounds, ReadsTheSourceAsTheCompilerDoes)
{
    const struct {
        const char* source;
        std::vector<std::pair<const char*, int>> played; // name and line
    } cases[] = {
        {"new msg[] = \"hello\"; PlaySound(\"chime.wav\");", {{"chime.wav", 1}}},
        {"// PlaySound(\"ghost.wav\")\nPlaySound(\"b.wav\");", {{"b.wav", 2}}},
        {"/* PlaySound(\"ghost.wav\")\n */ PlaySound ( \"c.wav\" );", {{"c.wav", 2}}},
        {"PlaySound\n(\n  // the bell\n  \"d.wav\")", {{"d.wav", 4}}},
        {"MyPlaySound(\"e.wav\"); PlaySoundNow(\"f.wav\"); PlaySound(name); x = 3PlaySound;", {}},
        {"printf(\"PlaySound(\\\"g.wav\\\")\");", {}},
        {"c = '\"'; PlaySound(\"i.wav\"); PlaySound(\"i.wav\");", {{"i.wav", 1}}},
        {"PlaySound(\"caf\xe9.wav\")", {{"caf\xe9.wav", 1}}},
    };
    for (const auto& c : cases) {
        const std::vector<PlayedSound> found = SoundsPlayedIn(QByteArray(c.source));
        std::vector<std::pair<QByteArray, int>> got;
        for (const PlayedSound& sound : found)
            got.push_back({EncodeText(sound.name), sound.line});
        std::vector<std::pair<QByteArray, int>> expected;
        for (const auto& [name, line] : c.played)
            expected.push_back({QByteArray(name), line});
        EXPECT_EQ(expected, got) << c.source;
    }
}
