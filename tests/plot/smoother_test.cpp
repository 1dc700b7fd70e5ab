// The resistant smoother: its passes one by one on hand-worked sequences, then the whole
// 3RSSH-twice smoothing.
#include "plot/smoother.h"

#include <QtTest>
#include <vector>

using vnk::plot::ApplyEndRule;
using Values = std::vector<double>;

namespace {

void CompareValues(const Values& actual, const Values& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (std::abs(actual[i] - expected[i]) > 1e-12)
            QFAIL(qPrintable(QStringLiteral("value %1 is %2, expected %3")
                                 .arg(i + 1)
                                 .arg(actual[i])
                                 .arg(expected[i])));
    }
}

}  // namespace

class SmootherTest : public QObject {
    Q_OBJECT
  private slots:
    // 1, 9, 1, 9, 1: one pass gives 1, 1, 9, 1, 1, the second 1, 1, 1, 1, 1, the third changes
    // nothing, so 3R stops there. Each pass reads the values as they were before it.
    void runningMediansStopWhenNothingChanges() {
        Values y{1, 9, 1, 9, 1};
        QVERIFY(vnk::plot::RunningMediansOfThree(y));
        CompareValues(y, {1, 1, 9, 1, 1});
        QVERIFY(vnk::plot::RunningMediansOfThree(y));
        CompareValues(y, {1, 1, 1, 1, 1});
        QVERIFY(!vnk::plot::RunningMediansOfThree(y));

        Values z{1, 9, 1, 9, 1};
        vnk::plot::Smooth3R(z);
        CompareValues(z, {1, 1, 1, 1, 1});
    }

    // The ends take the median of themselves, their neighbour and the value extrapolated from
    // the two nearest inner values.
    void endRule() {
        Values kept{10, 2, 3, 4, 0};
        ApplyEndRule(kept);
        CompareValues(kept, {2, 2, 3, 4, 4});
        Values extrapolated{0, 5, 6, 7, 20};
        ApplyEndRule(extrapolated);
        CompareValues(extrapolated, {3, 5, 6, 7, 9});
    }

    // Only a two-point peak or valley is split; a step on a rising run stays.
    void splittingTwoPointPlateaus() {
        Values peak{1, 2, 5, 5, 2, 1};
        QVERIFY(vnk::plot::SplitPlateaus(peak));
        CompareValues(peak, {1, 2, 4, 4, 2, 1});
        Values valley{9, 8, 2, 2, 8, 9};
        QVERIFY(vnk::plot::SplitPlateaus(valley));
        CompareValues(valley, {9, 8, 6, 6, 8, 9});
        Values rising{1, 2, 5, 5, 6, 7};
        QVERIFY(!vnk::plot::SplitPlateaus(rising));
        CompareValues(rising, {1, 2, 5, 5, 6, 7});
    }

    void hanningUsesTheValuesBeforeThePass() {
        Values y{0, 4, 0, 4, 0};
        vnk::plot::Hanning(y);
        CompareValues(y, {0, 2, 2, 2, 0});
    }

    // Worked by hand: the first smoothing flattens the top to 2.75, 3, 2.75; the residuals
    // 0.25, 1, 0.25 smoothed (0.0625, 0.1875, 0.25, ...) are added back.
    void twicingAddsBackTheSmoothedResiduals() {
        const Values data{0, 1, 2, 3, 4, 3, 2, 1, 0};
        CompareValues(vnk::plot::Smooth3RSSH(data), {0, 1, 2, 2.75, 3, 2.75, 2, 1, 0});
        CompareValues(vnk::plot::Smooth3RSSHTwice(data),
                      {0, 1, 2.0625, 2.9375, 3.25, 2.9375, 2.0625, 1, 0});
    }

    // A straight line passes through unchanged; an isolated spike disappears.
    void linesStayAndSpikesGo() {
        CompareValues(vnk::plot::Smooth3RSSHTwice({1, 3, 5, 7, 9, 11}), {1, 3, 5, 7, 9, 11});
        CompareValues(vnk::plot::Smooth3RSSHTwice({2, 2, 2, 50, 2, 2, 2}), {2, 2, 2, 2, 2, 2, 2});
    }

    // Fewer than three values have nothing to be smoothed against.
    void shortSequencesComeBackUnchanged() {
        CompareValues(vnk::plot::Smooth3RSSHTwice({}), {});
        CompareValues(vnk::plot::Smooth3RSSHTwice({4}), {4});
        CompareValues(vnk::plot::Smooth3RSSHTwice({4, 9}), {4, 9});
    }
};

QTEST_GUILESS_MAIN(SmootherTest)
#include "smoother_test.moc"
