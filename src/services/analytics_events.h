#pragma once

// Every analytics event name and parameter the app sends, in one place so that the
// names stay the same across screens and in the logs.
namespace uc::analytics {

namespace event {
inline constexpr char kTappedMenuButton[] = "tapped_menu_button";
inline constexpr char kTappedMenuCalculate[] = "tapped_menu_calculate";
inline constexpr char kTappedMenuHistory[] = "tapped_menu_history";
inline constexpr char kTappedMenuPractice[] = "tapped_menu_practice";
inline constexpr char kTappedMenuExplore[] = "tapped_menu_explore";
inline constexpr char kTappedOnboarding[] = "tapped_onboarding";
inline constexpr char kTappedPrivacyPolicy[] = "tapped_privacy_policy";
inline constexpr char kTappedDiscord[] = "tapped_discord";
inline constexpr char kTappedRateApp[] = "tapped_rate_app";
inline constexpr char kTappedRatingInMenu[] = "Tapped Rating in Menu";
inline constexpr char kTappedAppLink[] = "Tapped App Link";
inline constexpr char kTappedRatedApp[] = "tapped_rated_app";
inline constexpr char kTappedRatedAppCancel[] = "tapped_rated_app_cancel";
inline constexpr char kTiroCalculate[] = "tiro_calculate";
inline constexpr char kTappedClear[] = "tapped_clear";
inline constexpr char kTiroGotError[] = "tiro_got_error";
inline constexpr char kTiroTappedShare[] = "tiro_tapped_share";
inline constexpr char kTappedHistoryClear[] = "tapped_history_clear";
inline constexpr char kTappedHistoryDeleteSingleCalc[] = "tapped_history_delete_single_calc";
inline constexpr char kTappedHistoryItem[] = "tapped_history_item";
inline constexpr char kPracticeStarted[] = "practice_started";
inline constexpr char kPracticeAnswered[] = "practice_answered";
inline constexpr char kPracticeFinished[] = "practice_finished";
}  // namespace event

namespace param {
inline constexpr char kTiroApp[] = "tiroApp";                        // text: the app's "en" name
inline constexpr char kHasApp[] = "has_app";                         // boolean
inline constexpr char kApp[] = "app";                                // text
inline constexpr char kRating[] = "rating";                          // double
inline constexpr char kSolutionSteps[] = "solutionSteps";            // list of step maps
inline constexpr char kSolutionStepsCount[] = "solutionStepsCount";  // integer
inline constexpr char kErrorCase[] = "error_case";                   // text
inline constexpr char kCalcCount[] = "calc_count";                   // integer
inline constexpr char kCalcParameters[] = "calc_parameters";         // map
inline constexpr char kLatexString[] = "latex_string";               // text
}  // namespace param

// The fixed value of "app" in the rating event.
inline constexpr char kRatedAppValue[] = "py";

}  // namespace uc::analytics
