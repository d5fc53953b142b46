// Types of unitcircle-calls.mjs, the calls of the web edition's charts and practice, compiled
// to WebAssembly from the same core as unitcircle-core.mjs.

export interface UnitCircleCalls {
  /**
   * One call with its arguments (see src/wasm/chart_api.cpp, practice_api.cpp and
   * explore_api.cpp): the charts' circleTurn, circleFinal, angleStart, angleDrag, angleStep,
   * graph, readableTicks and stepHighlights; practice's practiceQuestions, practiceMap,
   * practiceStart, practiceAnswer, practiceContinue, practiceState, practiceEnd and
   * practiceReset; the Explore screen's explorePoint, exploreFollow, exploreStep,
   * exploreInverse, exploreGraph, exploreMove (a drag's move in one call), exploreDragValue
   * and exploreType; the presentation's presentationKey. Its result, or an Error when the
   * method is unknown or the arguments do not fit.
   */
  call(method: string, args?: object): unknown;
}

/** Loads and starts the module; its default export. */
export default function createUnitCircleCalls(): Promise<UnitCircleCalls>;
