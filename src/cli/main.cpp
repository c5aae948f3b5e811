// zhcalc-eval: evaluates expressions as the calculator's "=" does.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cp1251.h"
#include "engine/errors.h"
#include "engine/evaluation.h"
#include "engine/function_library.h"
#include "engine/math_parser.h"
#include "platform/locale_settings.h"

namespace {

constexpr int kExitAllEvaluated = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitBadUsage = 2;
constexpr int kExitWriteFailed = 3;

constexpr std::string_view kHelp =
    R"(Usage: zhcalc-eval [--separator=SEP] [--] [EXPRESSION...]

Evaluates each EXPRESSION, or with none each line of standard input, as the
calculator's "=" key does, and prints one line per expression: the result text,
or "error: " followed by the error message.

Results use the decimal separator of the user's locale ("." when it has none).
The results 3,23845767910558E-15, -3,23845767910558E-15, 1,61922883955279E-15 and
-3,38078631929861E-15 are printed as 0; a floating-point fault (invalid operation,
division by zero, overflow) gives 1,1E4932. Input and output are UTF-8.

Options:
  --separator=SEP  use SEP (one character) as the decimal separator
  --               end of options: the following arguments are expressions,
                   so an expression may begin with "-"
  --help           show this help

Exit status: 0 when every expression gave a result, 1 when any gave an error,
2 for bad usage, 3 when the results could not be written.
)";

struct Options {
    bool help = false;
    std::optional<zhcalc::DecimalSeparator> separator;
    std::vector<std::string_view> expressions;
};

[[noreturn]] void badUsage(const std::string& message) {
    std::cerr << "zhcalc-eval: " << message << "\nTry 'zhcalc-eval --help'.\n";
    std::exit(kExitBadUsage);
}

Options parseArguments(int argc, char** argv) {
    Options options;
    bool optionsEnded = false;
    constexpr std::string_view kSeparatorOption = "--separator=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.expressions.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg.starts_with(kSeparatorOption)) {
            const std::string separator = zhcalc::utf8ToCp1251(arg.substr(kSeparatorOption.size()));
            if (separator.size() != 1)
                badUsage("the separator must be one character: '" + std::string(arg) + "'");
            options.separator = zhcalc::DecimalSeparator(separator[0]);
        } else {
            badUsage("unknown option '" + std::string(arg) +
                     "' (put \"--\" before an expression that begins with \"-\")");
        }
    }
    return options;
}

class Evaluator {
  public:
    Evaluator(zhcalc::DecimalSeparator separator, bool flushEachLine)
        : parser_(separator), flushEachLine_(flushEachLine) {}

    void run(std::string_view utf8Expression) {
        std::string line;
        try {
            line = zhcalc::cp1251ToUtf8(
                zhcalc::evaluateToText(parser_, zhcalc::utf8ToCp1251(utf8Expression)));
        } catch (const zhcalc::Exception& e) {
            line = "error: " + zhcalc::cp1251ToUtf8(e.message());
            failed_ = true;
        } catch (const std::exception& e) {
            line = std::string("error: ") + e.what();
            failed_ = true;
        }
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
        if (flushEachLine_) std::fflush(stdout);
    }

    bool failed() const { return failed_; }

  private:
    zhcalc::MathParser parser_;
    bool flushEachLine_;
    bool failed_ = false;
};

// A full disk or a closed pipe must not pass for success: the caller would take
// missing results for computed ones.
int finishOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::perror("zhcalc-eval: cannot write the results");
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parseArguments(argc, argv);
    if (options.help) {
        std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
        return finishOutput(kExitAllEvaluated);
    }
    zhcalc::registerCalculatorFunctions();

    Evaluator evaluator(
        options.separator ? *options.separator : zhcalc::platform::localeDecimalSeparator(),
        isatty(STDIN_FILENO) != 0);
    if (!options.expressions.empty()) {
        for (const auto expression : options.expressions)
            evaluator.run(expression);
    } else {
        std::ios::sync_with_stdio(false);
        std::string line;
        while (std::getline(std::cin, line))
            evaluator.run(line);
    }
    return finishOutput(evaluator.failed() ? kExitSomeFailed : kExitAllEvaluated);
}
