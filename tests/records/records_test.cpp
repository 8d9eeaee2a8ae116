#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "display/font.h"
#include "display/screen_drawing.h"
#include "game/game_state.h"
#include "records/error_report.h"
#include "records/game_log.h"
#include "tests/support/board_text.h"
#include "tests/support/display_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kRequest =
    "Bitte senden Sie die Fehlernummer an \"fehler@zwickelspiel.example\", danke...";

TEST(ErrorReportTest, TwoFailuresWithoutWindowGiveTwoCompleteReports) {
  testing::internal::CaptureStdout();
  ReportError(2);
  ReportError(3);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Fehler Nr.:  2\n" + kRequest + "\nFehler Nr.:  3\n" + kRequest + "\n");
}

class ErrorReportOnWindowTest : public DisplayTest {};

TEST_F(ErrorReportOnWindowTest, ReportsFollowEachOtherAtTheTextCursor) {
  ClearScreen();
  ReportError(2);
  ReportError(1);
  // Each report takes the label and number on one row and the request on the next three
  // (it is 76 characters long and wraps twice).
  auto row_shows = [](int row, const std::string& text) {
    bool same = true;
    ReadVisiblePage([&](const Colour* page) {
      for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = FontGlyph(static_cast<std::uint8_t>(text[i]));
        for (int y = 0; y < 8; ++y) {
          for (int x = 0; x < 8; ++x) {
            const bool set = glyph[y] & (0x80 >> x);
            same = same && page[(row * 8 + y) * PageWidth + i * 8 + x] == (set ? 0xFFFFFFFFu : 0u);
          }
        }
      }
    });
    return same;
  };
  EXPECT_TRUE(row_shows(0, "Fehler Nr.:  2"));
  EXPECT_TRUE(row_shows(1, kRequest.substr(0, TextColumns)));
  EXPECT_TRUE(row_shows(2, kRequest.substr(TextColumns, TextColumns)));
  EXPECT_TRUE(row_shows(4, "Fehler Nr.:  1"));
}

class GameLogTest : public testing::Test {
 protected:
  fs::path dir_ = fs::temp_directory_path() / ("zw_log_" + std::to_string(::getpid()));
  fs::path previous_ = fs::current_path();
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    ResetGameState();
  }
  void TearDown() override {
    CloseLog();
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  std::string OnDisk() {
    std::ifstream file(dir_ / LogFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
};

TEST_F(GameLogTest, WritesRecordsByteForByteAndOnlyWhenFlushed) {
  ASSERT_EQ(OpenLog(), 0);
  EXPECT_EQ(Game.LogFile, 1);
  SetBoard("120 034 000");
  LogText("--- START ---");
  WriteBoardToLog();
  WriteResetRecord();
  LogByte(255, true);
  EXPECT_EQ(OnDisk(), "") << "records are buffered";
  FlushLog();
  EXPECT_EQ(OnDisk(),
            "\"--- START ---\"\r\n"
            "\"---\"\r\n1,2,0\r\n0,3,4\r\n0,0,0\r\n\"---\"\r\n"
            "\"---\"\r\n1,2,0\r\n0,3,4\r\n0,0,0\r\n\"--- RESET ---\"\r\n"
            "255\r\n");
}

TEST_F(GameLogTest, AFolderNamedLikeTheLogCannotBeOpened) {
  fs::create_directory(dir_ / LogFileName);
  EXPECT_EQ(OpenLog(), 2);
  EXPECT_EQ(Game.LogFile, 0);
  LogText("dropped");  // nothing to write to, and no failure
  FlushLog();
}

TEST(ScoreLineTest, NumbersTakeExactlyTheirDigits) {
  struct Case {
    int player, computer, draws;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, 0, "Spieler: 0 Computer: 0 Keiner: 0"},
      {12, 3, 0, "Spieler: 12 Computer: 3 Keiner: 0"},
      {100, 200, 300, "Spieler: 100 Computer: 200 Keiner: 300"},
  };
  for (const Case& c : cases) {
    Game.PlayerWins = c.player;
    Game.ComputerWins = c.computer;
    Game.Draws = c.draws;
    EXPECT_EQ(ScoreText(), c.text);
  }
  ResetGameState();
}

}  // namespace
