// A type of one name defined in two files, differently.
namespace engine {
struct Twin {
    virtual ~Twin() = default;
    int count = 0;
};
}  // namespace engine

engine::Twin* MakeLowerTwin() {
    return new engine::Twin;
}
