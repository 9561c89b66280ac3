#include "launcher/autostart.h"

#include "framework/inifile.h"
#include "launcher/quillmark.h"
#include "tests/support/beside_this_program.h"
#include "tests/unit/launcher/started.h"
#include "tests/unit/launcher/suite_ini.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;

TEST(SwitchAutoStartOff, EveryWayOutLeavesTheTurnToTheNextCopy) {
    const struct {
        const char* name;
        bool fileThere;
        bool holdFile;
        const char* raises;
        std::string after;
    } rows[] = {
        {"Written", true, false, nullptr, Settings("0")},
        {"Refused", true, true, "Unable to write to C:\\Program Files\\Quillmark\\Quillmark.Ini",
         Settings("1")},
        {"NoFile", false, false, nullptr, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SuiteIni ini(Settings("1"));
        if (!row.fileThere) {
            std::filesystem::remove(SuiteIni::Path());
        }
        UniqueHandle holder;
        if (row.holdFile) {
            holder = HoldWithoutSharing(SuiteIni::Path().string());
            ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
        }
        try {
            SwitchAutoStartOff();
            EXPECT_EQ(row.raises, nullptr) << "the write did not raise";
        } catch (const EIniFileException& e) {
            ASSERT_NE(row.raises, nullptr) << e.Message();
            EXPECT_EQ(e.Message(), row.raises);
        }
        EXPECT_TRUE(NextCopyGetsItsTurnAtOnce());
        holder.reset();
        EXPECT_EQ(std::filesystem::exists(SuiteIni::Path()), row.fileThere);
        if (row.fileThere) {
            EXPECT_EQ(ini.Read(), row.after);
        }
    }
}

constexpr DWORD kRoundTimeoutMs = 10000;

// Takes count signals of the semaphore, within the round's time.
bool Await(HANDLE semaphore, int count) {
    const ULONGLONG deadline = GetTickCount64() + kRoundTimeoutMs;
    for (int taken = 0; taken < count; ++taken) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline ||
            WaitForSingleObject(semaphore, static_cast<DWORD>(deadline - now)) != WAIT_OBJECT_0) {
            return false;
        }
    }
    return true;
}

// The system's INI writer rewrites the whole file and does not keep a second writer out:
// copies of the launcher that switch at the same moment must take turns, or one of them reads
// the file while the other rewrites it and writes back what little it read. Copies of a helper
// that runs the launcher's own switch are let go together by one event per round; after each
// round every byte of the file must be the settings with the switch off.
TEST(SwitchAutoStartOff, CopiesSwitchingAtTheSameMomentKeepEveryOtherSetting) {
    constexpr int kCopies = 4;
    constexpr int kRounds = 300;
    SuiteIni ini(Settings("1"));
    const std::string name = "ruvelin-switch-race-" + std::to_string(GetCurrentProcessId());
    const auto semaphore = [&](const char* what) {
        return UniqueHandle(CreateSemaphoreA(nullptr, 0, LONG_MAX, (name + what).c_str()));
    };
    const UniqueHandle ready = semaphore("-ready");
    const UniqueHandle done = semaphore("-done");
    const UniqueHandle refused = semaphore("-refused");
    ASSERT_TRUE(ready && done && refused);
    std::vector<std::unique_ptr<Started>> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
        copies.push_back(std::make_unique<Started>(BesideThisProgram("switcher.exe"), std::nullopt,
                                                   name + " " + std::to_string(kRounds)));
    }
    const auto started = std::chrono::steady_clock::now();
    int lost = 0;
    int refusals = 0;
    std::string firstLoss;
    int firstLossRound = -1;
    for (int round = 0; round < kRounds; ++round) {
        ini.Write(Settings("1"));
        const UniqueHandle go(
            CreateEventA(nullptr, TRUE, FALSE, (name + "-go-" + std::to_string(round)).c_str()));
        ASSERT_TRUE(Await(ready.get(), kCopies)) << "the copies did not all get ready for round "
                                                 << round << " within " << kRoundTimeoutMs << " ms";
        SetEvent(go.get());
        ASSERT_TRUE(Await(done.get(), kCopies)) << "the copies did not all switch in round "
                                                << round << " within " << kRoundTimeoutMs << " ms";
        while (WaitForSingleObject(refused.get(), 0) == WAIT_OBJECT_0) {
            ++refusals;
        }
        const std::string after = ini.Read();
        if (after != Settings("0") && lost++ == 0) {
            firstLoss = after;
            firstLossRound = round;
        }
    }
    const auto took =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - started);
    std::printf("%d copies switching at once, %d rounds in %lld ms: %d lost, %d refused\n", kCopies,
                kRounds, static_cast<long long>(took.count()), lost, refusals);
    EXPECT_EQ(lost, 0) << "rounds that lost settings, of " << kRounds;
    if (lost > 0) {
        EXPECT_EQ(firstLoss, Settings("0")) << "the file after round " << firstLossRound;
    }
    EXPECT_EQ(refusals, 0) << "writes refused";
    for (const auto& copy : copies) {
        EXPECT_EQ(copy->ExitCode(), 0u);
    }
}

} // namespace
