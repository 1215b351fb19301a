// The other definition of engine::Twin.
namespace engine {
struct Twin {
    virtual ~Twin() = default;
    double share = 0.0;
    int count = 0;
};
}  // namespace engine

engine::Twin* MakeUpperTwin() {
    return new engine::Twin;
}
