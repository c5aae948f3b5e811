// zhcalc-eval run as a process: arguments, standard input, output lines and exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProcessResult {
    int status;
    std::string out;
    std::string err;
};

std::string quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs zhcalc-eval with `args`, feeding `input` on standard input, in the C locale
// unless `locale` names another.
ProcessResult run(const std::vector<std::string>& args, const std::string& input = "",
                  const std::string& locale = "C") {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zhcalc-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string command = "LC_ALL=" + quote(locale) + " " + quote(ZHCALC_EVAL_PATH);
    for (const auto& arg : args)
        command += " " + quote(arg);
    command += " <" + quote((dir / "in").string()) + " >" + quote((dir / "out").string()) + " 2>" +
               quote((dir / "err").string());
    const int raw = std::system(command.c_str());
    ProcessResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"),
                         readFile(dir / "err")};
    std::filesystem::remove_all(dir);
    return result;
}

struct CliCase {
    std::vector<std::string> args;
    std::string input;
    std::string out;
    int status;
};

TEST(ZhcalcEval, ArgumentsAndStandardInput) {
    const CliCase cases[] = {
        {{"--separator=,", "2+3*4"}, "", "14\n", 0},
        {{"--separator=,", "2+3", "1/0", "cotan(0)"},
         "",
         "5\nerror: Divide by zero\n1,1E4932\n",
         1},
        {{"--separator=,", "sin(3,14159265358979)", "SIN(PI)"},
         "",
         "0\n-5,42101086242752E-20\n",
         0},
        {{"--separator=,", "Fa(2,5)"}, "", "error: '2,5' is not a valid integer value\n", 1},
        {{"--separator=,", "sin("}, "", "error: Invalid condition (no cramp)\n", 1},
        {{"--separator=.", "1/4", "sin(3.14159265358979)", "cotan(0)"},
         "",
         "0.25\n0\n1.1E4932\n",
         0},
        {{"--separator=,", "--", "-2^2", "--3"}, "", "-4\n3\n", 0},
        {{"1/4"}, "", "0.25\n", 0},
        {{"--separator=,"},
         "2+3\n1/0\nsin(3,14159265358979)\n",
         "5\nerror: Divide by zero\n0\n",
         1},
        {{}, "1/4\r\n\n2^10", "0.25\nerror: Syntax error\n1024\n", 1},
        {{"--separator=й", "1й5*3", "Fa(2й5)"},
         "",
         "4й5\nerror: '2й5' is not a valid integer value\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args) + " stdin " +
                     ::testing::PrintToString(c.input));
        const ProcessResult r = run(c.args, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST(ZhcalcEval, BadUsageExitsWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"-2^2"}, {"--bogus"}, {"--separator=ab", "1"}, {"--separator=", "1"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const ProcessResult r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

TEST(ZhcalcEval, HelpDescribesTheOptions) {
    const ProcessResult r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"--separator=SEP", "--", "error: ", "1,1E4932", "Exit status"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST(ZhcalcEval, OutputThatCannotBeWrittenExitsWithThree) {
    // /dev/full accepts the open and fails every write with ENOSPC.
    for (const std::string args : {"'2+3*4'", "'1/0'", "--help"}) {
        SCOPED_TRACE(args);
        const std::string command =
            "'" + std::string(ZHCALC_EVAL_PATH) + "' " + args + " >/dev/full 2>/dev/null";
        const int raw = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(raw));
        EXPECT_EQ(WEXITSTATUS(raw), 3);
    }
}

TEST(ZhcalcEval, LinesOfManyMegabytes) {
    std::string line = "1";
    while (line.size() < 8'000'000)
        line += "+1";
    const ProcessResult r = run({}, "2*3\n" + line + "\n" + std::string(3'000'000, '(') + "\n");
    EXPECT_EQ(r.out, "6\n" + std::to_string(line.size() / 2 + 1) +
                         "\nerror: Invalid condition (no cramp)\n");
    EXPECT_EQ(r.status, 1);
}

TEST(ZhcalcEval, SeparatorComesFromTheLocale) {
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed";
    }
    std::setlocale(LC_ALL, "C");
    const ProcessResult r = run({"1/4", "1,5*2"}, "", "ru_RU.UTF-8");
    EXPECT_EQ(r.out, "0,25\n3\n");
    EXPECT_EQ(r.status, 0);
}

}  // namespace
