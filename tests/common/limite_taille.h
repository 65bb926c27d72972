#pragma once
// Runs a call with the process's file-size limit lowered: any write past `octets` fails
// half way, for root too, which is how the tests make a save fail.
#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

template <class F>
auto Sous_limite_de_taille(rlim_t octets, F appel) {
    struct rlimit avant;
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto signal_avant = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit petite = avant;
    petite.rlim_cur = octets;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    struct Retour {
        rlimit avant;
        void (*signal_avant)(int);
        ~Retour() {
            setrlimit(RLIMIT_FSIZE, &avant);
            std::signal(SIGXFSZ, signal_avant);
        }
    } retour{avant, signal_avant};
    return appel();
}
