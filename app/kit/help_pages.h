// Names of the help pages, as the help contents and the screens' Help buttons use them. Each
// name is the file "<name>.html" of the help resource.
#pragma once

namespace vnk::app::help_page {

inline constexpr const char* kContents = "index";
inline constexpr const char* kGettingStarted = "getting_started";
inline constexpr const char* kDataFiles = "data_files";
inline constexpr const char* kStartupConfiguration = "startup_configuration";
inline constexpr const char* kFileMenu = "menu_file";
inline constexpr const char* kDataMenu = "menu_data";
inline constexpr const char* kDataEntry = "data_entry";
inline constexpr const char* kEditing = "editing";
inline constexpr const char* kStatistics = "statistics";
inline constexpr const char* kTrendAnalysis = "trend_analysis";
inline constexpr const char* kDataImport = "data_import";
inline constexpr const char* kCrowAmsaaTracking = "model_crow_amsaa_tracking";
inline constexpr const char* kModelComparison = "model_comparison";
inline constexpr const char* kConversionsMenu = "menu_conversions";
inline constexpr const char* kTransformationsMenu = "menu_transformations";
inline constexpr const char* kExecutionsMenu = "menu_executions";
inline constexpr const char* kSetupMenu = "menu_setup";
inline constexpr const char* kHelpMenu = "menu_help";

}  // namespace vnk::app::help_page
