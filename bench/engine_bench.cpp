// Parse-and-evaluate of the same expressions by zhcalc's MathParser and by muparser.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>
#include <vector>

#include "engine/function_library.h"
#include "engine/math_parser.h"
#include "engine/number_text.h"

namespace {

struct Expression {
    std::string label;
    std::string zhcalc;    // decimal comma, the calculator's function names
    std::string muparser;  // decimal point, muparser's function names; empty: not compared
};

std::string sumOfTerms(int count) {
    std::string text = "1";
    for (int i = 2; i <= count; ++i)
        text += "+" + std::to_string(i);
    return text;
}

std::vector<Expression> expressions() {
    const std::string thousand = sumOfTerms(1000);
    return {
        {"2+3*4", "2+3*4", "2+3*4"},
        {"(1,5+2)^2", "(1,5+2)^2", "(1.5+2)^2"},
        {"sin(3,14159265358979)", "sin(3,14159265358979)", "sin(3.14159265358979)"},
        {"Sinh(1)+Cosh(1)", "Sinh(1)+Cosh(1)", "sinh(1)+cosh(1)"},
        {"sum of 1000 terms", thousand, thousand},
        {"sum of 1000000 terms", sumOfTerms(1'000'000), ""},
    };
}

void zhcalcParseAndEvaluate(benchmark::State& state, const std::string& text) {
    zhcalc::MathParser parser(zhcalc::DecimalSeparator(','));
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.evaluate(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void muparserParseAndEvaluate(benchmark::State& state, const std::string& text) {
    mu::Parser parser;
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

int main(int argc, char** argv) {
    zhcalc::registerCalculatorFunctions();
    for (const auto& e : expressions()) {
        benchmark::RegisterBenchmark(("zhcalc/" + e.label).c_str(), zhcalcParseAndEvaluate,
                                     e.zhcalc);
        if (!e.muparser.empty())
            benchmark::RegisterBenchmark(("muparser/" + e.label).c_str(), muparserParseAndEvaluate,
                                         e.muparser);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
