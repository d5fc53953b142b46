// The instance's interface (unitcircle-calls.d.ts): JSON text in and out across the
// WebAssembly memory, an Error for a call the module refuses.
Module['call'] = function (method, args) {
  var answer = JSON.parse(ccall('uc_call', 'string', ['string', 'string'],
                                [String(method), JSON.stringify(args === undefined ? {} : args)]));
  if ('error' in answer) throw new Error('unitcircle-calls ' + method + ': ' + answer.error);
  return answer.result;
};
