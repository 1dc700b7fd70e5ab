#include "screens/tbf_model_screens.h"

#include "models/littlewood_verrall_model.h"
#include "models/tbf_models.h"
#include "models/tbf_models_b.h"
#include "screens/model_error_screen.h"
#include "screens/model_result_screen.h"

namespace vnk::screens {

using namespace execution;

const models::ModelDescription& TbfModelDescription(int slot) {
    switch (slot) {
        case kGeo:
            return models::GeometricModel();
        case kJam:
            return models::JelinskiMorandaModel();
        case kLavLinear:
            return models::LittlewoodVerrallLinearModel();
        case kLavQuadratic:
            return models::LittlewoodVerrallQuadraticModel();
        case kMusaBasic:
            return models::MusaBasicModel();
        case kMusaLog:
            return models::MusaLogarithmicModel();
        default:
            return models::NhppTbfModel();
    }
}

models::ModelContext TbfModelContext(const TbfExecutionResults& results, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    models::ModelContext ctx;
    ctx.NS = results.NS;
    ctx.ESF = results.ESF;
    // The NHPP model was fitted to the cumulative failure times.
    ctx.data =
        slot == kNpt && !results.cumulativeData.empty() ? results.cumulativeData : results.data;
    ctx.tbfStats = results.stats[s];
    ctx.RFLAG = results.RFLAG[s];
    if (slot == kLavLinear || slot == kLavQuadratic) {
        ctx.scalars["PHIIND"] = slot == kLavLinear ? 1.0 : 2.0;
        ctx.scalars["Z"] = results.Z[s];
    }
    return ctx;
}

void OpenTbfModelScreen(const TbfExecutionResults& results, int slot, MessageSink& messages,
                        ModelScreenActions actions, const std::function<int(QDialog&)>& exec,
                        QWidget* parent) {
    const models::ModelDescription& description = TbfModelDescription(slot);
    models::ModelContext ctx = TbfModelContext(results, slot);
    if (results.status[static_cast<std::size_t>(slot)] == model_status::kFailed) {
        ModelErrorScreen screen(description, std::move(ctx), std::move(actions), parent);
        exec(screen);
        return;
    }
    ModelResultScreen screen(description, std::move(ctx), messages, std::move(actions), parent);
    exec(screen);
}

}  // namespace vnk::screens
