#pragma once

#include "generator.h"
#include "password.h"

// Type 6: passwords, all different within a batch, from the secure source.
class PasswordGenerator : public Generator
{
public:
    explicit PasswordGenerator(const QueryParams &params);
    int RanCount() const override { return m_ranCount; }
    Batch Generate(const GenerationContext &context) override;

private:
    PasswordRule m_rule;
    int m_ranCount = 0;
};
