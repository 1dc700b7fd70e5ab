// An execution host that answers from a script and records what it was asked.
#pragma once

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "execution/host.h"

namespace vnk::test {

struct ScriptedHost : execution::ExecutionHost {
    std::optional<std::array<double, 2>> lavAnswer;
    std::optional<std::array<double, 3>> bmAnswer;  // PEC, PED, TNOF
    std::optional<std::array<double, 2>> gpAnswer;  // ALPHA, AN
    int S2 = 0, S3 = 0;
    std::optional<std::array<double, 2>> projectionAnswer;  // T, NA

    std::vector<execution::LavStartRequest> lavAsked;
    std::vector<execution::BrooksMotleyStartRequest> bmAsked;
    std::vector<execution::GeneralizedPoissonStartRequest> gpAsked;
    std::vector<execution::SchneidewindSRequest> sAsked;
    std::vector<execution::ProjectionInputsRequest> projectionAsked;
    std::vector<std::pair<int, int>> started, finished;

    void lavStartingValues(execution::LavStartRequest& r) override {
        lavAsked.push_back(r);
        if (lavAnswer) r.BETA = *lavAnswer;
    }
    void brooksMotleyStart(execution::BrooksMotleyStartRequest& r) override {
        bmAsked.push_back(r);
        if (bmAnswer)
            std::tie(r.PEC, r.PED, r.TNOF) =
                std::tuple((*bmAnswer)[0], (*bmAnswer)[1], (*bmAnswer)[2]);
    }
    void generalizedPoissonStart(execution::GeneralizedPoissonStartRequest& r) override {
        gpAsked.push_back(r);
        if (gpAnswer) std::tie(r.ALPHA, r.AN) = std::tuple((*gpAnswer)[0], (*gpAnswer)[1]);
    }
    void schneidewindS(execution::SchneidewindSRequest& r) override {
        sAsked.push_back(r);
        r.S2 = S2;
        r.S3 = S3;
    }
    void projectionInputs(execution::ProjectionInputsRequest& r) override {
        projectionAsked.push_back(r);
        if (projectionAnswer)
            std::tie(r.totalTestTime, r.aModeFailures) =
                std::tuple((*projectionAnswer)[0], (*projectionAnswer)[1]);
    }
    void stepStarted(int row, int column) override { started.emplace_back(row, column); }
    void stepFinished(int row, int column) override { finished.emplace_back(row, column); }
};

}  // namespace vnk::test
