// The fake core as a module of the real one's shape, for building the app before the
// WebAssembly build exists: UNITCIRCLE_CORE=src/core/testing/fakeCoreModule.ts.
import { createFakeCore } from './fakeCore';

export default createFakeCore;
