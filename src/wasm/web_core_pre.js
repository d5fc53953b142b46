// An ES module under Node has neither __dirname nor require; the module needs neither, as its
// WebAssembly is embedded, but the Node start-up code names them.
var __dirname = '';
var require = function (name) {
  throw new Error('unitcircle-core does not load ' + name);
};
