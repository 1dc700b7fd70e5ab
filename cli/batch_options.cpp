#include "cli/batch_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "execution/selection_rules.h"
#include "models/brooks_motley_gp_models.h"

namespace vnk::batch {
namespace {

// A usage error found while reading the options; it ends parsing with exit status 2.
struct UsageError {
    std::string message;
};

std::vector<std::string> splitList(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> realOf(const std::string& text) {
    const std::string t = trimmed(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> integerOf(const std::string& text) {
    const std::string t = trimmed(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

template <std::size_t N>
std::array<double, N> realsOf(const std::string& option, const std::string& text,
                              const char* expected) {
    const auto parts = splitList(text, ',');
    std::array<double, N> values{};
    if (parts.size() != N) throw UsageError{option + ": expected " + expected};
    for (std::size_t i = 0; i < N; ++i) {
        const auto v = realOf(parts[i]);
        if (!v) throw UsageError{option + ": expected " + expected};
        values[i] = *v;
    }
    return values;
}

void checkBetween(const std::string& option, double value, double low, double high,
                  const char* text) {
    if (value < low || value > high)
        throw UsageError{option + ": Please enter a number between " + text + "."};
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}
std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

ColumnLayout layoutOf(const std::string& text) {
    const auto parts = splitList(text, ',');
    const std::string expected =
        "--layout: expected up to nine column codes (0 to 5) separated by commas";
    if (parts.size() > kLayoutColumns) throw UsageError{expected};
    ColumnLayout layout{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto code = integerOf(parts[i]);
        if (!code) throw UsageError{expected};
        layout[i] = *code;
    }
    if (!IsValidColumnLayout(layout))
        throw UsageError{"--layout: " + std::string(kInvalidFileFormatMessage)};
    return layout;
}

std::optional<int> unitOf(const std::string& text) {
    static const std::array<const char*, 7> names{"seconds", "minutes", "hours", "days",
                                                  "weeks",   "months",  "years"};
    for (std::size_t i = 0; i < names.size(); ++i)
        if (lower(text) == names[i]) return static_cast<int>(i) + 1;
    return std::nullopt;
}

PredictRequest predictOf(const std::string& text) {
    const std::string expected = "--predict: expected \"MODEL Q V1[,V2...]\", got \"" + text + "\"";
    std::vector<std::string> words;
    for (const auto& w : splitList(trimmed(text), ' '))
        if (!w.empty()) words.push_back(w);
    if (words.size() != 3) throw UsageError{expected};
    PredictRequest p;
    p.model = upper(words[0]);
    const auto q = integerOf(words[1]);
    if (!q || *q < 1) throw UsageError{expected};
    p.question = *q;
    for (const auto& v : splitList(words[2], ',')) {
        const auto value = realOf(v);
        if (!value) throw UsageError{expected};
        p.inputs.push_back(*value);
    }
    return p;
}

const char* kDescription =
    "Runs the reliability models of Varnok 3 over a data file and prints the execution summary\n"
    "report and each executed model's report (pages separated by form feeds), or a JSON\n"
    "document with --json. With --pdf the reports go to a PDF file instead of the text.\n"
    "Exit status: 0 when the run completed (failed models are results), 2 for usage or input\n"
    "errors.";

}  // namespace

ParseOutcome ParseBatchOptions(int argc, const char* const* argv) {
    CLI::App app{kDescription, kProgramName};
    app.set_version_flag("--version", std::string(kProgramName) + " 3.0");
    BatchOptions o;
    std::string kind, layout, history, failureAtEnd, unit, method, models, measures, range, cells,
        iterationMax, sdwS, lavStart, bmStart, gpStart, testTime, aModeFailures, pdf, confidence;
    std::vector<std::string> predicts;
    CsvOptionText csvText;

    app.add_option("FILE", o.file, "data file (or start-up configuration with --ini)")
        ->required()
        ->type_name("");
    app.add_flag("--ini", o.ini, "read FILE as a start-up configuration (VARNOK3.INI format)");
    auto* kindOpt = app.add_option("--kind", kind, "tbf (default), interval or hardware-interval")
                        ->type_name("KIND");
    auto* layoutOpt = app.add_option("--layout", layout,
                                     "TBF column layout C1,...,C9 (default 1,2,3,4,5,0,0,0,0)")
                          ->type_name("C1,...,C9");
    auto* historyOpt = app.add_option(
        "--history", history, "software (default), hardware or system: the failure type answer");
    auto* endOpt = app.add_option("--failure-at-end", failureAtEnd,
                                  "yes (default) or no: did a failure end the final entry")
                       ->type_name("yes|no");
    app.add_option("--unit", unit, "TBF unit: seconds, minutes, hours, days, weeks, months, years")
        ->type_name("UNIT");
    app.add_option("--method", method, "ml (default) or ls")->type_name("ml|ls");
    app.add_option("--models", models,
                   "comma list, or all. TBF: GEO,JAM,LAV-L,LAV-Q,MUS,MSA,NPT; interval: "
                   "BM-B,BM-P,GP,NHP,SDW,YAM; hardware: projection, discrete, crow-amsaa");
    app.add_option("--measures", measures, "accuracy,bias,noise,trend or all")
        ->type_name("MEASURES");
    app.add_option("--range", range, "applicability range NSB:NSE (default N/2:N-1)")
        ->type_name("NSB:NSE");
    app.add_option("--cells", cells, "cell combination frequency, 0 to 32000 (default 5)")
        ->type_name("N");
    app.add_option("--iteration-max", iterationMax,
                   "period limit of the interval number-of-periods predictions (default 1000)")
        ->type_name("X");
    app.add_option("--sdw-s", sdwS, "Schneidewind S for treatments 2 and 3: S2,S3 (default 0,0)")
        ->type_name("S2,S3");
    app.add_option("--lav-start", lavStart, "Littlewood and Verrall starting values B0,B1")
        ->type_name("B0,B1");
    app.add_option("--bm-start", bmStart, "Brooks and Motley initial estimates PEC,PED,TNOF")
        ->type_name("PEC,PED,TNOF");
    app.add_option("--gp-start", gpStart, "generalized Poisson initial estimates ALPHA,AN")
        ->type_name("ALPHA,AN");
    app.add_option("--test-time", testTime, "projection model: total test time")->type_name("T");
    app.add_option("--a-mode-failures", aModeFailures, "projection model: A-mode failures")
        ->type_name("NA");
    app.add_option("--confidence", confidence, "crow-amsaa bounds: 0.90 (default) or 0.95")
        ->type_name("0.90|0.95");
    app.add_flag("--one-sided", o.oneSided, "crow-amsaa: one-sided bounds instead of two-sided");
    app.add_option("--predict", predicts, "ask question Q of a model's result screen (repeatable)")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->type_name("\"MODEL Q V1[,V2...]\"");
    std::string estimation = "standard";
    app.add_option("--estimation", estimation,
                   "one-root estimations: standard (default) or robust, which searches the "
                   "whole parameter range to a relative tolerance")
        ->check(CLI::IsMember({"standard", "robust"}))
        ->type_name("standard|robust");
    std::string refits = "stop";
    app.add_option("--refits", refits,
                   "applicability analyses: stop (default) at the first failed refit, or skip "
                   "and count failed refits")
        ->check(CLI::IsMember({"stop", "skip"}))
        ->type_name("stop|skip");
    app.add_flag("--trace", o.trace, "write the trace of the routines to VNK_trace.txt");
    app.add_flag("--json", o.json, "print one JSON document instead of the reports");
    app.add_option("--json-version", o.jsonVersion,
                   "layout of --json: 1 (default) or 2, with named quantities "
                   "(docs/results-schema.json)")
        ->check(CLI::IsMember({1, 2}))
        ->type_name("1|2");
    app.add_flag("--trend", o.trend,
                 "print the trend analysis of the data first (alone or with --models)");
    app.add_option("--pdf", pdf, "write the reports to a PDF file")->type_name("FILE");
    AddCsvOptions(app, o.csv, csvText);
    app.add_flag("--compare", o.compare,
                 "add the model comparison (log-likelihood, AIC, BIC, PSSE, recommended model)");
    app.add_option("--hold-out", o.holdOut,
                   "fraction of the data held back for the PSSE of --compare (default 0.1)")
        ->check(CLI::Range(0.01, 0.9))
        ->type_name("FRACTION");
    app.add_flag("--charts-in-pdf", o.chartsInPdf,
                 "with --pdf: append a page per chart (TBF data) after the report pages");
    std::string csvOut;
    app.add_option("--csv-out", csvOut,
                   "write the summary and each model's estimates as CSV files into DIR "
                   "(the list goes to stderr)")
        ->type_name("DIR");
    std::string charts;
    app.add_option("--charts", charts,
                   "write the plots as PNG and SVG into DIR (TBF data; the list goes to stderr)")
        ->type_name("DIR");

    ParseOutcome outcome;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            // --help or --version
            outcome.out = dynamic_cast<const CLI::CallForHelp*>(&e) ||
                                  dynamic_cast<const CLI::CallForAllHelp*>(&e)
                              ? app.help()
                              : std::string(kProgramName) + " 3.0\n";
            return outcome;
        }
        outcome.exitCode = 2;
        outcome.error = e.what();
        return outcome;
    }

    o.robustEstimation = estimation == "robust";
    o.skipFailedRefits = refits == "skip";
    try {
        o.kindGiven = kindOpt->count() > 0;
        o.layoutGiven = layoutOpt->count() > 0;
        o.historyGiven = historyOpt->count() > 0;
        o.failureAtEndGiven = endOpt->count() > 0;
        if (o.ini && (o.kindGiven || o.layoutGiven || o.historyGiven || o.failureAtEndGiven))
            throw UsageError{
                "--kind, --layout, --history and --failure-at-end cannot be used with --ini "
                "(the configuration gives them)"};
        if (o.kindGiven) {
            const std::string k = lower(kind);
            if (k == "tbf")
                o.kind = DataKindOption::Tbf;
            else if (k == "interval")
                o.kind = DataKindOption::Interval;
            else if (k == "hardware-interval")
                o.kind = DataKindOption::HardwareInterval;
            else
                throw UsageError{"--kind: expected tbf, interval or hardware-interval"};
        }
        if (o.layoutGiven) {
            if (o.kind != DataKindOption::Tbf)
                throw UsageError{"--layout: only TBF data files have a column layout"};
            o.layout = layoutOf(layout);
        }
        if (o.historyGiven) {
            const std::string h = lower(history);
            if (h == "software")
                o.history = HistoryOption::Software;
            else if (h == "hardware")
                o.history = HistoryOption::Hardware;
            else if (h == "system")
                o.history = HistoryOption::System;
            else
                throw UsageError{"--history: expected software, hardware or system"};
        }
        if (o.failureAtEndGiven) {
            const std::string f = lower(failureAtEnd);
            if (f != "yes" && f != "no") throw UsageError{"--failure-at-end: expected yes or no"};
            o.failureAtEnd = f == "yes";
        }
        if (o.csv) {
            const std::string error = CsvSettingsFrom(csvText, unitOf(unit), o.csvSettings);
            if (!error.empty()) throw UsageError{error};
        }
        if (!unit.empty()) {
            o.unit = unitOf(unit);
            if (!o.unit)
                throw UsageError{
                    "--unit: expected seconds, minutes, hours, days, weeks, months or years"};
        }
        if (!method.empty()) {
            const std::string m = lower(method);
            if (m != "ml" && m != "ls") throw UsageError{"--method: expected ml or ls"};
            o.method = m == "ml" ? 1 : 2;
        }
        if (!models.empty())
            for (const auto& m : splitList(models, ',')) o.models.push_back(upper(trimmed(m)));
        if (!measures.empty())
            for (const auto& m : splitList(measures, ',')) {
                const std::string name = lower(trimmed(m));
                if (name != "all" && name != "accuracy" && name != "bias" && name != "noise" &&
                    name != "trend")
                    throw UsageError{
                        "--measures: expected accuracy, bias, noise, trend or all, got \"" + name +
                        "\""};
                o.measures.push_back(name);
            }
        if (!range.empty()) {
            const auto parts = splitList(range, ':');
            const auto b = parts.size() == 2 ? integerOf(parts[0]) : std::nullopt;
            const auto e = parts.size() == 2 ? integerOf(parts[1]) : std::nullopt;
            if (!b || !e) throw UsageError{"--range: expected NSB:NSE, two whole numbers"};
            if (o.measures.empty()) throw UsageError{"--range: needs --measures"};
            o.range = std::array<int, 2>{*b, *e};
        }
        if (!cells.empty()) {
            o.cells = integerOf(cells);
            if (!o.cells || *o.cells < 0 || *o.cells > 32000)
                throw UsageError{"--cells: Please enter an integer between 0 and 32000."};
        }
        if (!iterationMax.empty()) {
            o.iterationMax = realOf(iterationMax);
            if (!o.iterationMax) throw UsageError{"--iteration-max: Please enter a number."};
        }
        if (!sdwS.empty()) {
            const auto parts = splitList(sdwS, ',');
            const auto s2 = parts.size() == 2 ? integerOf(parts[0]) : std::nullopt;
            const auto s3 = parts.size() == 2 ? integerOf(parts[1]) : std::nullopt;
            if (!s2 || !s3 || *s2 < 0 || *s3 < 0)
                throw UsageError{
                    "--sdw-s: expected S2,S3, two whole numbers from 0 (0 skips a treatment)"};
            o.sdwS = std::array<int, 2>{*s2, *s3};
        }
        if (!lavStart.empty()) o.lavStart = realsOf<2>("--lav-start", lavStart, "B0,B1");
        if (!bmStart.empty()) {
            o.bmStart = realsOf<3>("--bm-start", bmStart, "PEC,PED,TNOF");
            for (int i = 0; i < 2; ++i)
                checkBetween("--bm-start", (*o.bmStart)[static_cast<std::size_t>(i)],
                             models::kBamProbabilityMin, models::kBamProbabilityMax,
                             "0.0000001 and 0.99999");
        }
        if (!gpStart.empty()) {
            o.gpStart = realsOf<2>("--gp-start", gpStart, "ALPHA,AN");
            checkBetween("--gp-start", (*o.gpStart)[0], models::kGpoAlphaMin, models::kGpoAlphaMax,
                         "0 and 10000000");
        }
        if (!testTime.empty()) {
            o.testTime = realOf(testTime);
            if (!o.testTime) throw UsageError{"--test-time: Please enter a number."};
        }
        if (!aModeFailures.empty()) {
            o.aModeFailures = realOf(aModeFailures);
            if (!o.aModeFailures) throw UsageError{"--a-mode-failures: Please enter a number."};
        }
        if (!confidence.empty()) {
            const auto c = realOf(confidence);
            if (!c || (*c != 0.90 && *c != 0.95))
                throw UsageError{"--confidence: expected 0.90 or 0.95"};
            o.confidence = *c;
        }
        for (const auto& p : predicts) o.predictions.push_back(predictOf(p));
        if (!pdf.empty()) o.pdf = pdf;
        if (!charts.empty()) o.charts = charts;
        if (!csvOut.empty()) o.csvOut = csvOut;
        if (o.chartsInPdf && !o.pdf) throw UsageError{"--charts-in-pdf needs --pdf FILE"};
        if (!o.measures.empty() && !execution::AnalysesAllowed(o.method))
            throw UsageError{"--measures: the applicability analyses need the ml method"};
    } catch (const UsageError& e) {
        outcome.exitCode = 2;
        outcome.error = e.message;
        return outcome;
    }
    outcome.options = o;
    return outcome;
}

}  // namespace vnk::batch
