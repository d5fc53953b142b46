// The instance's interface (unitcircle-core.d.ts): text in and out, copied across the
// WebAssembly memory.
Module['solve'] = function (alpha, b, language) {
  return ccall('uc_solve', 'string', ['string', 'string', 'string'],
               [String(alpha), String(b), String(language)]);
};

Module['run'] = function (args, input) {
  var bytes = typeof input == 'string' ? new TextEncoder().encode(input)
                                       : (input || new Uint8Array(0));
  _uc_run_begin();
  args.forEach(function (argument) {
    ccall('uc_run_argument', null, ['string'], [String(argument)]);
  });
  var buffer = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, buffer);
  var status = _uc_run(buffer, bytes.length);
  _free(buffer);
  var output = function (stream) {
    var start = _uc_run_output(stream);
    return HEAPU8.slice(start, start + _uc_run_output_size(stream));
  };
  return {status: status, stdout: output(0), stderr: output(1)};
};
