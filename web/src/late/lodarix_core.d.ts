// The core's module, as emscripten writes it (web/page/bindings.cpp): its
// factory promises the module once its wasm is instantiated. The build
// bundles it by this name.
declare module "lodarix-core" {
  const createLodarix: (options?: object) => Promise<import("../lodarix.js").Core>;
  export default createLodarix;
}
