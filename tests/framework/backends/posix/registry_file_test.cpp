#include "framework/backends/posix/registry_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "framework/core/exceptions.h"
#include "support/scoped_environment.h"
#include "support/stress_rounds.h"
#include "support/test_data.h"

namespace {

constexpr const char* kOptions = "HKEY_CURRENT_USER\\Software\\Vesperan\\Options";

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

bool SetValue(TRegistryFile& registry, const std::string& name, const std::string& data) {
  return registry.Update([&](TRegistryStore& store) {
    return store.SetValue(kOptions, name, {"sz", data});
  });
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Runs in a forked child: writes ever higher counters, telling the parent through the pipe after
// each one, and never returns into the test framework.
[[noreturn]] void WriteCounterUntilKilled(TRegistryFile& registry, int first, int pipe) {
  try {
    for (int counter = first;; ++counter) {
      SetValue(registry, "Counter", std::to_string(counter));
      if (write(pipe, "+", 1) != 1) _exit(1);
    }
  } catch (...) {
    _exit(1);
  }
}

}  // namespace

TEST(RegistryFile, CreatesItsFolderAndKeepsEveryOtherValue) {
  const qi_test::TempDir dir;
  const auto file = dir.Path() / "config" / "nested" / "registry";
  TRegistryFile registry(file);
  EXPECT_EQ(registry.Load().Text(), TRegistryStore().Text()) << "no file: a new store";
  ASSERT_TRUE(SetValue(registry, "Other", std::string("odd\0\xFF bytes", 11)));
  ASSERT_TRUE(SetValue(registry, "ChangeTrayClock", "0"));
  ASSERT_TRUE(SetValue(registry, "ChangeTrayClock", "1"));
  const TRegistryStore store = registry.Load();
  EXPECT_EQ(store.Value(kOptions, "ChangeTrayClock"), (TRegistryValue{"sz", "1"}));
  EXPECT_EQ(store.Value(kOptions, "Other"),
            (TRegistryValue{"sz", std::string("odd\0\xFF bytes", 11)}));
  EXPECT_EQ(FolderEntries(file.parent_path()),
            (std::vector<std::string>{"registry", "registry.lock"}))
      << "no temporary file is left behind";
}

TEST(RegistryFile, ADamagedStoreIsReportedAndLeftAsItIs) {
  const qi_test::TempDir dir;
  const auto file = dir.Path() / "registry";
  const std::string damaged = "[HKEY_CURRENT_USER\\A]\n\"Kept\" = sz:\"precious\"\ngarbage\n";
  WriteFile(file, damaged);
  TRegistryFile registry(file);
  try {
    SetValue(registry, "ChangeTrayClock", "1");
    FAIL() << "a damaged store was written over";
  } catch (const ERegistryException& error) {
    EXPECT_EQ(error.Message(),
              "The registry store " + file.string() +
                  " is damaged at line 3 (malformed value) and was left unchanged");
  }
  EXPECT_THROW(registry.Load(), ERegistryException);
  EXPECT_EQ(ReadFile(file), damaged);
}

TEST(RegistryFile, AStoreThatCannotBeWrittenAnswersFalse) {
  const qi_test::TempDir dir;
  WriteFile(dir.Path() / "not a folder", "");
  TRegistryFile registry(dir.Path() / "not a folder" / "registry");
  EXPECT_FALSE(SetValue(registry, "ChangeTrayClock", "1"));
}

TEST(RegistryFile, ALinkedStoreIsUpdatedThroughTheLink) {
  const qi_test::TempDir dir;
  const auto target = dir.Path() / "dotfiles" / "registry";
  std::filesystem::create_directories(target.parent_path());
  WriteFile(target, "[HKEY_CURRENT_USER\\A]\n");
  std::filesystem::create_symlink(target, dir.Path() / "registry");
  TRegistryFile registry(dir.Path() / "registry");
  ASSERT_TRUE(SetValue(registry, "ChangeTrayClock", "1"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "registry"));
  EXPECT_EQ(ReadFile(target), "[HKEY_CURRENT_USER\\A]\n\n[" + std::string(kOptions) +
                                  "]\n\"ChangeTrayClock\" = sz:\"1\"\n");
}

// A writer killed at random moments must leave a store that parses and holds, for the value it was
// changing, either the old or the new data, and every other value untouched.
TEST(RegistryFile, SurvivesAWriterKilledAtAnyMoment) {
  const qi_test::TempDir dir;
  const auto file = dir.Path() / "registry";
  TRegistryFile registry(file);
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(SetValue(registry, "Other " + std::to_string(i),
                         std::string(40, static_cast<char>('a' + i % 26))));
  }
  ASSERT_TRUE(SetValue(registry, "Counter", "0"));
  const std::string before = registry.Load().Text();

  std::mt19937 random(12345);
  int lastSeen = 0;
  const int kills = qi_test::StressRounds("QI_STRESS_REGISTRY_KILLS", 40);
  for (int round = 0; round < kills; ++round) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteCounterUntilKilled(registry, lastSeen + 1, pipe[1]);
    close(pipe[1]);
    char written;
    const bool wroteOne = read(pipe[0], &written, 1) == 1;
    // Writes take a few milliseconds (most of it waiting for the disk): kill somewhere in one.
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
    kill(child, SIGKILL);
    close(pipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(wroteOne) << "the writer got no value through";

    const TRegistryStore store = registry.Load();  // raises if the file was left half written
    const auto counter = store.Value(kOptions, "Counter");
    ASSERT_TRUE(counter);
    const int seen = std::stoi(counter->data);
    EXPECT_GT(seen, lastSeen) << "a value the writer finished is lost";
    lastSeen = seen;
    TRegistryStore expected = TRegistryStore::Parse(before, "before");
    expected.SetValue(kOptions, "Counter", {"sz", counter->data});
    ASSERT_EQ(store.Text(), expected.Text()) << "round " << round;
  }
}

TEST(RegistryFile, TheDefaultStoreFollowsTheConfigurationFolder) {
  {
    const ScopedEnvironment config("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(DefaultRegistryStoreFile(), "/somewhere/config/quick-introduction/registry");
  }
  const ScopedEnvironment home("HOME", "/home/someone");
  using Setting = std::optional<std::string>;
  for (const Setting& unusable : {Setting(), Setting("relative/config"), Setting("")}) {
    const ScopedEnvironment config("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(DefaultRegistryStoreFile(), "/home/someone/.config/quick-introduction/registry");
  }
}
