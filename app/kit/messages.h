// The texts the application shows, in one place so screens and tests use the same words.
#pragma once

namespace vnk::app::text {

inline constexpr const char* kAppTitle = "Varnok 3";
inline constexpr const char* kVersion = "3.0";

// Captions named by the screens; every other box carries the application title.
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kUpperErrorCaption = "ERROR";
inline constexpr const char* kDataEntryErrorCaption = "Data Entry Error";
inline constexpr const char* kInputErrorCaption = "Input Error";

// Main window.
inline constexpr const char* kSavePreviousData = "Do you want to save previous data";
inline constexpr const char* kNoFileToPrint = "No File to Print";
inline constexpr const char* kTraceNotOpened =
    "The trace file VNK_trace.txt could not be opened; tracing stays off.";
inline constexpr const char* kUnitsNotConverted =
    "The times between failures cannot be expressed in that unit; they were left unchanged.";

// Plots.
inline constexpr const char* kNothingToPlot = "There are no data to plot.";

// Field validation of the option and value screens.
inline constexpr const char* kIntegerRange = "Please enter an integer between %1 and %2.";
inline constexpr const char* kEnterNumber = "Please enter a number.";

// Data files.
inline constexpr const char* kNotATextFile = "The file is not a text data file; nothing was read.";
inline constexpr const char* kEntriesWithoutTime =
    "%1 of the %2 lines read hold no readable time between failures; those entries have no time "
    "(shown as -1). Correct them with Data / Edit.";
inline constexpr const char* kEmptyDataFile = "The file holds no data; nothing was read.";

// Data entry.
inline constexpr const char* kNeedHistoryAndSeverity =
    "You must enter an error history type and a severity level type to continue.";
inline constexpr const char* kFailureEntryIncomplete =
    "Data Entry for this failure is not complete or contains erroneous information.  Please "
    "complete/correct and try again.";
inline constexpr const char* kIntervalEntryIncomplete =
    "Data Entry for this interval is not complete or contains erroneous information.  Please "
    "complete/correct and try again.";
inline constexpr const char* kIllegalUnitsOnTest = "This is not a legal number of units on test.";
inline constexpr const char* kCorrectionsRange =
    "Value must be between 0 and the total number of failures in the last interval.";
inline constexpr const char* kAdditionalInputText =
    "Additional values are required for the AMSAA/Crow Reliability Growth Projection Model.  "
    "These data include the number of failures and the effectiveness factors for each B-mode "
    "failure.  If that model execution is not desired or these data are not  available, "
    "depress the skip button.";

// Edit screen.
inline constexpr const char* kUseAppendForAdditions =
    "Data Additions should be handled via the Data/Append menu item";
inline constexpr const char* kStoreChangesNow =
    "Changes since the last store will be lost. \r\n Store changes now?";
inline constexpr const char* kContinueWithoutStoring =
    "Changes since the last store will be lost.\r\n  Continue without storing?";

}  // namespace vnk::app::text
