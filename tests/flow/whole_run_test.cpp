// Whole runs of the program, from start-up to its exit, on the headless window.
#include "tests/support/whole_run.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "display/font.h"
#include "display/key_queue.h"
#include "tests/support/bmp_file.h"

namespace {

using whole_run::Moment;
using whole_run::Options;
using whole_run::PlayRun;
using whole_run::Result;
using whole_run::Script;

constexpr int kSpace = ' ';
constexpr Colour kRed = 0x00FF0000;
constexpr Colour kWhite = 0x00FFFFFF;

// Log lines, each ended by CR LF.
std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

const std::string kStartRecords = Lines({"\"--- START ---\"", "\"GRAFIKEN WERDEN GELADEN...\""});

// What the screen must show, computed from the bitmap files, the blend arithmetic and the
// font, without the game's drawing code.
class ExpectedScreen {
 public:
  ExpectedScreen() {
    const std::string dir = ZW_ASSETS_DIR;
    for (const char* name : {"BG", "Kreuz", "Kreis", "KreuzHell", "KreisHell"}) {
      pictures_.push_back(ReadBmp24(dir + "/" + name + ".BMP"));
    }
  }

  // The background with the board's marks, as "DrawBoard" leaves it before the texts.
  Frame Board(const std::string& board) const {
    Frame frame(pictures_[0].pixels);
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < 3; ++y) {
        const int cell = board.at(y * 4 + x) - '0';
        if (cell == 0) continue;
        const BmpPicture& mark = pictures_[cell];
        const int alpha = cell >= 3 ? 200 : 150;
        for (int my = 0; my < 90; ++my) {
          for (int mx = 0; mx < 90; ++mx) {
            const Colour s = mark.at(mx, my);
            if (s == 0xFF00FF) continue;
            Colour& d = frame[(y * 100 + 10 + my) * 300 + x * 100 + mx];
            Colour blended = 0;
            for (int shift : {16, 8, 0}) {
              const int dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF;
              const int delta = (sc - dc) * (alpha + 1);
              const int step = delta >= 0 ? delta / 256 : -((-delta + 255) / 256);
              blended |= static_cast<Colour>(dc + step) << shift;
            }
            d = blended;
          }
        }
      }
    }
    return frame;
  }

  static void Text(Frame& frame, int x0, int y0, const std::string& text, Colour colour) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const Glyph& glyph = FontGlyph(static_cast<std::uint8_t>(text[i]));
      for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
          const int x = x0 + 8 * static_cast<int>(i) + column, y = y0 + row;
          if ((glyph[row] & (0x80 >> column)) && x < 300 && y < 300) frame[y * 300 + x] = colour;
        }
      }
    }
  }

  // True when every set pixel of `text` at (x0, y0) has `colour` in `frame`.
  static bool Shows(const Frame& frame, int x0, int y0, const std::string& text, Colour colour) {
    Frame expected = frame;
    Text(expected, x0, y0, text, colour);
    return expected == frame;
  }

 private:
  std::vector<BmpPicture> pictures_;
};

// The traced game: the computer's first, random answer takes the top middle cell.
constexpr double kTopMiddleSecond = 18.5;

TEST(WholeRunTest, TheTracedGame) {
  Options options;
  options.clock = kTopMiddleSecond;
  options.player = Script({'s', 'q', 'a', 'y', kSpace, 'o', kSpace});
  options.save_frames = {5, 6};
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.trace,
            (std::vector<std::string>{
                "000 000 000 0,0,0 0 0",  // first move
                "020 010 000 0,0,0 0 0", "120 010 002 0,0,0 0 0", "120 112 002 0,0,0 0 0",
                "324 314 304 1,0,0 1 0",  // result shown, already counted
                "000 000 000 1,0,0 0 0",  // the next game
                "000 000 000 1,0,0 0 0",  // the statistics
            }));

  ExpectedScreen screen;
  Frame result = screen.Board("324 314 304");
  ExpectedScreen::Text(result, 0, 0, "Spieler: 0 Computer: 0 Keiner: 0", kRed);
  ExpectedScreen::Text(result, 0, 100, "Der Spieler hat gewonnen...", kRed);
  EXPECT_TRUE(run.Saved(5) == result) << "the final board with both lines bright";

  Frame reset = screen.Board("000 000 000");
  ExpectedScreen::Text(reset, 0, 0, "Spieler: 1 Computer: 0 Keiner: 0", kRed);
  EXPECT_TRUE(run.Saved(6) == reset) << "the reset screen with the new score";

  EXPECT_EQ(run.log, kStartRecords +
                         Lines({"\"---\"",         "0,2,0", "0,1,0", "0,0,0", "\"---\"",
                                "\"---\"",         "1,2,0", "0,1,0", "0,0,2", "\"---\"",
                                "\"---\"",         "1,2,0", "1,1,2", "0,0,2", "\"---\"",
                                "\"---\"",         "3,2,4", "3,1,4", "3,0,4", "\"--- RESET ---\"",
                                "\"---\"",         "0,0,0", "0,0,0", "0,0,0", "\"---\"",
                                "\"--- ENDE ---\""}));
}

TEST(WholeRunTest, TheExampleRunLeavesExactlyItsLog) {
  Options options;
  options.clock = 0.5;  // the random answer takes the top right cell
  options.player = Script({'s', 'q', 'y', kSpace, 'o', kSpace});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  const std::string expected =
      kStartRecords + Lines({"\"---\"",         "0,0,2", "0,1,0", "0,0,0", "\"---\"",
                             "\"---\"",         "1,0,2", "0,1,0", "0,0,2", "\"---\"",
                             "\"---\"",         "1,0,4", "0,1,4", "1,0,4", "\"--- RESET ---\"",
                             "\"---\"",         "0,0,0", "0,0,0", "0,0,0", "\"---\"",
                             "\"--- ENDE ---\""});
  EXPECT_EQ(expected.size(), 213u);
  EXPECT_EQ(run.log, expected);
}

TEST(WholeRunTest, QuittingBeforeTheFirstMoveShowsZeroStatisticsOverTheStartScreen) {
  Options options;
  options.player = Script({'o', kSpace});
  options.save_frames = {2};
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.log, kStartRecords + Lines({"\"--- ENDE ---\""}));

  Frame expected = ExpectedScreen().Board("000 000 000");
  ExpectedScreen::Text(expected, 0, 0,
                       "Dr\x81"
                       "cken Sie \"O\" um zu beenden...",
                       kRed);
  const struct {
    int y;
    const char* text;
  } statistics[] = {{85, "-- Statistik --"},
                    {100, "Spieler:       0"},
                    {115, "Computer:      0"},
                    {130, "Unentschieden: 0"},
                    {145, "Gesamt:        0"}};
  for (const auto& line : statistics) ExpectedScreen::Text(expected, 85, line.y, line.text, kWhite);
  EXPECT_TRUE(run.Saved(2) == expected);
}

TEST(WholeRunTest, TheCloseButtonEndsTheRunAtOnceDuringAMove) {
  Options options;
  options.player = Script({'s', CloseRequest});
  options.clock = 0.5;
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.log, kStartRecords + Lines({"\"---\"", "0,0,2", "0,1,0", "0,0,0", "\"---\""}));
}

TEST(WholeRunTest, TheCloseButtonAfterAResultOnlyStartsTheNextGame) {
  Options options;
  options.clock = 0.5;
  options.player = Script({'s', 'q', 'y', CloseRequest, CloseRequest});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.trace.size(), 5u);
  EXPECT_EQ(run.trace[3], "104 014 104 0,1,0 2 0");  // the result waits for a key
  EXPECT_EQ(run.trace[4], "000 000 000 0,1,0 0 0");  // the next game's first move
  EXPECT_TRUE(run.log.ends_with(
      Lines({"\"--- RESET ---\"", "\"---\"", "0,0,0", "0,0,0", "0,0,0", "\"---\""})));
  EXPECT_EQ(run.log.find("ENDE"), std::string::npos);
}

// Plays the first empty cell of `preference` at every move, a space at every result, and
// quits after `games` results.
whole_run::Player Preferring(std::string preference, int games) {
  return [preference, games](const Moment& m) -> std::optional<int> {
    const int finished = m.player_wins + m.computer_wins + m.draws;
    if (m.result != NoResult) return kSpace;
    if (finished >= games) return m.request % 2 ? 'o' : kSpace;
    for (char digit : preference) {
      const int n = digit - '1';
      if (m.board[n / 3 * 4 + n % 3] == '0') return std::string("qweasdyxc")[n];
    }
    return std::nullopt;
  };
}

TEST(WholeRunTest, AfterTheTenthWinTheComputerOpensEveryGame) {
  Options options;
  options.clock = 2.5;  // the player wins every game it opens with this preference
  options.player = Preferring("132567489", 14);
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  // A trace line reads "board P,C,D result opens"; each game's first request comes at the
  // start or right after the request of a result.
  auto result_of = [](const std::string& line) { return line[line.size() - 3]; };
  int games = 0;
  for (std::size_t i = 0; i < run.trace.size(); ++i) {
    if (i > 0 && result_of(run.trace[i - 1]) == '0') continue;
    if (result_of(run.trace[i]) != '0') continue;
    const std::string& opening = run.trace[i];
    const int wins = std::stoi(opening.substr(12));
    const bool circle = opening.substr(0, 11).find('2') != std::string::npos;
    EXPECT_EQ(circle, wins >= 10) << opening;
    ++games;
  }
  EXPECT_GE(games, 14);
}

TEST(WholeRunTest, IgnoresKeysThatAreNoFreeCell) {
  Options options;
  options.clock = 0.5;
  // After "s" and the answer: upper case, Shift with a cell letter, the occupied centre, an
  // arrow key, the character 255 alone, "k" alone; then "q" counts.
  options.player = Script({'s', 'O', 'Q', 's', NonCharacterKey + 'H', 255, 'k', 'q', CloseRequest});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.trace.size(), 9u);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(run.trace[i], "002 010 000 0,0,0 0 0") << i;
  EXPECT_EQ(run.trace[8], "102 010 002 0,0,0 0 0");
}

TEST(WholeRunTest, AMissingCircleBitmapMakesCirclesInvisible) {
  Options options;
  options.clock = 0.5;
  options.prepare = [](const whole_run::fs::path& folder) {
    whole_run::fs::remove(folder / "Kreis.BMP");
  };
  options.player = Script({'s', CloseRequest});
  options.save_frames = {2};
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.trace[1], "002 010 000 0,0,0 0 0");
  Frame expected = ExpectedScreen().Board("000 010 000");  // no circle at the top right
  ExpectedScreen::Text(expected, 0, 0, "Spieler: 0 Computer: 0 Keiner: 0", kRed);
  EXPECT_TRUE(run.Saved(2) == expected);
}

TEST(WholeRunTest, ALogThatCannotBeOpenedIsReportedAndTheRunPlaysOn) {
  Options options;
  options.prepare = [](const whole_run::fs::path& folder) {
    whole_run::fs::create_directory(folder / "game.log");
  };
  options.player = Script({'s', 'o', kSpace});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.trace.size(), 3u);
  EXPECT_EQ(run.out,
            "Fehler Nr.:  2\nBitte senden Sie die Fehlernummer an "
            "\"fehler@zwickelspiel.example\", danke...\n");
}

TEST(WholeRunTest, AnExistingLogIsKeptAndAppendedTo) {
  Options options;
  options.prepare = [](const whole_run::fs::path& folder) {
    std::ofstream(folder / "game.log", std::ios::binary) << "\"--- START ---\"\r\nold";
  };
  options.player = Script({'o', kSpace});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.log, "\"--- START ---\"\r\nold" + kStartRecords + Lines({"\"--- ENDE ---\""}));
}

TEST(WholeRunTest, WithoutADisplayTheRunEndsWithExitCodeOne) {
  Options options;
  options.refuse_window = true;
  options.player = Script({});
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out,
            "Fehler Nr.:  1\nBitte senden Sie die Fehlernummer an "
            "\"fehler@zwickelspiel.example\", danke...\n");
  EXPECT_NE(run.err.find("no display"), std::string::npos);
  EXPECT_EQ(run.log, "");
}

TEST(WholeRunTest, AWaitingGameUsesNoProcessorTime) {
  Options options;
  const auto start = std::chrono::steady_clock::now();
  // The player thinks for two seconds before quitting.
  options.player = [start](const Moment& m) -> std::optional<int> {
    if (std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) return std::nullopt;
    return m.request == 1 ? 'o' : kSpace;
  };
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_LT(run.cpu_seconds, 0.25) << "over a two-second wait";
  RecordProperty("cpu_seconds", std::to_string(run.cpu_seconds));
}

TEST(WholeRunTest, RecordsAreOnDiskWheneverTheGameWaits) {
  Options options;
  options.clock = 0.5;
  // At every wait the log on disk must end with the last record written; when it does
  // not, the player closes the window and the run ends early.
  options.player = [](const Moment& m) -> std::optional<int> {
    const int keys[] = {'s', 'q', 'y', kSpace, 'o', kSpace};
    const std::string must_hold[] = {"GELADEN...\"\r\n",     "0,1,0\r\n0,0,0\r\n\"---\"\r\n",
                                     "0,0,2\r\n\"---\"\r\n", "0,0,2\r\n\"---\"\r\n",
                                     "0,0,0\r\n\"---\"\r\n", "\"--- ENDE ---\"\r\n"};
    if (m.request > 6) return std::nullopt;
    if (!m.log_on_disk.ends_with(must_hold[m.request - 1])) return CloseRequest;
    return keys[m.request - 1];
  };
  const Result run = PlayRun(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.trace.size(), 6u) << "a wait found the log not yet on disk";
  EXPECT_TRUE(run.log.ends_with("\"--- ENDE ---\"\r\n"));
}

TEST(WholeRunTest, TerminationSignalsEndTheRunLikeTheCloseButton) {
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal_number);
    Options options;
    options.clock = 0.5;
    options.player = [signal_number](const Moment& m) -> std::optional<int> {
      if (m.request == 1) return 's';
      ::raise(signal_number);
      return std::nullopt;
    };
    const auto start = std::chrono::steady_clock::now();
    const Result run = PlayRun(options);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(run.log, kStartRecords + Lines({"\"---\"", "0,0,2", "0,1,0", "0,0,0", "\"---\""}));
  }
}

}  // namespace
