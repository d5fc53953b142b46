// The C function of the second WebAssembly module, the one the web edition's charts and
// practice call; web_calls_post.js wraps it as call() on the module instance.
#include <string>

#include "wasm/web_api.h"

extern "C" {

// One call: a method and its arguments as JSON, the answer as JSON ({"result": ...} or
// {"error": ...}).
const char* uc_call(const char* method, const char* arguments) {
  static std::string answer;
  answer = uc::web::call(method, arguments);
  return answer.c_str();
}

}  // extern "C"
