#pragma once

// Base of every process-wide object T: created on first use by instance(),
// the one accessor. The instance has one owner at a time: nobody until
// something adopts it (the save store adopts the player profiles); destroying
// it, by its owner or by reset() in tests, lets the next instance() create a
// fresh one.
template <typename T>
class SingletonContainer {
public:
    static T& instance() {
        if (!instance_) {
            instance_ = new T();
            registered_ = instance_;
        }
        return *instance_;
    }

    static bool hasInstance() { return instance_ != nullptr; }

    static void reset() { delete instance_; }

protected:
    SingletonContainer() = default;
    ~SingletonContainer() {
        if (registered_ == this) {
            registered_ = nullptr;
            instance_ = nullptr;
        }
    }

    SingletonContainer(const SingletonContainer&) = delete;
    SingletonContainer& operator=(const SingletonContainer&) = delete;

private:
    static inline T* instance_ = nullptr;
    static inline SingletonContainer* registered_ = nullptr;
};
