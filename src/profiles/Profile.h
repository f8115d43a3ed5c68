#pragma once
// The active trainee's record. The frame creates one at start-up with its defaults and
// hands it to every screen; screens fill, load and save it.
class Profile {
public:
    Profile() = default;
};
