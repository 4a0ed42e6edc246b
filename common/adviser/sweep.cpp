#include "common/adviser/sweep.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <set>
#include <thread>

#include "common/data/english.h"
#include "common/data/textfile.h"

namespace fb {

std::vector<CoreRecord> SweepCores(const CCoreBase& base) {
    std::vector<CoreRecord> cores;
    std::set<std::string> taken;
    std::vector<std::vector<std::string>> lists(kShapeCount);
    for (int s = 0; s < kShapeCount; ++s) lists[s] = base.ListForShape(s);
    for (int s = 0; s < kShapeCount; ++s) {
        for (const std::string& entry : lists[s]) {
            // What selecting this name by its text (a design file, "apply") would select.
            const int shape = CCoreBase::ShapeFromName(entry);
            const int found = FindEntryStartingWith(lists[shape], entry);
            if (entry.empty() || found < 0) continue;
            const std::string& name = lists[shape][found];
            if (!taken.insert(name).second) continue;
            cores.push_back(base.RecordFor(name, shape));
        }
    }
    return cores;
}

std::vector<CMaterial> SweepMaterials(const std::string& dataRoot, std::size_t bufferSize) {
    std::vector<CMaterial> out;
    for (const std::string& name : ListMaterials(dataRoot)) {
        CMaterial m;
        m.Load(dataRoot, name, bufferSize);
        if (!m.name.empty()) out.push_back(std::move(m));  // the file opened
    }
    return out;
}

SweepCatalogue LoadSweepCatalogue(const std::string& dataRoot, std::size_t coreBuffer, std::size_t materialBuffer) {
    CCoreBase base;
    base.Load(dataRoot, coreBuffer, false);
    return SweepCatalogue{SweepCores(base), SweepMaterials(dataRoot, materialBuffer)};
}

namespace {

// Workers take the next pair from a shared counter and write its candidate into its own slot:
// the result order is the sweep order however the threads interleave.
class SweepPool {
public:
    SweepPool(const SweepCatalogue& cat, const Evaluator& eval, const SweepOptions& opt)
        : m_cat(cat), m_eval(eval), m_opt(opt), m_slots(cat.Size()), m_done(cat.Size(), false) {}

    SweepResult Run() {
        unsigned n = m_opt.threads ? m_opt.threads : std::max(1u, std::thread::hardware_concurrency());
        n = static_cast<unsigned>(std::min<std::size_t>(n, std::max<std::size_t>(1, m_slots.size())));
        std::vector<std::thread> workers;
        for (unsigned t = 1; t < n; ++t) workers.emplace_back([this] { Work(); });
        Work();
        for (std::thread& w : workers) w.join();
        SweepResult r;
        r.total = m_slots.size();
        r.cancelled = Cancelled() && m_finished < m_slots.size();
        for (std::size_t i = 0; i < m_slots.size(); ++i)
            if (m_done[i]) r.candidates.push_back(std::move(m_slots[i]));
        return r;
    }

private:
    bool Cancelled() const { return m_opt.cancel && m_opt.cancel->load(std::memory_order_relaxed); }

    void Work() {
        const std::size_t nm = m_cat.materials.size();
        for (;;) {
            if (Cancelled()) return;
            const std::size_t i = m_next.fetch_add(1);
            if (i >= m_slots.size()) return;
            Candidate c = Evaluate(m_cat.cores[i / nm], m_cat.materials[i % nm]);
            c.index = static_cast<int>(i);
            m_slots[i] = std::move(c);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done[i] = true;
            ++m_finished;
            if (m_opt.progress) m_opt.progress(m_finished, m_slots.size());
        }
    }

    // An exception must not leave a worker thread (that ends the program): the pair is marked
    // as one that could not be designed and the sweep goes on.
    Candidate Evaluate(const CoreRecord& core, const CMaterial& material) const {
        try {
            return m_eval(core, material);
        } catch (const std::exception& e) {
            return Failed(core, material, Phrase("Внутренняя ошибка расчета: {1}", {e.what()}));
        } catch (...) {
            return Failed(core, material, Localized("Внутренняя ошибка расчета"));
        }
    }
    static Candidate Failed(const CoreRecord& core, const CMaterial& material, std::string why) {
        Candidate c;
        c.core = core.name;
        c.material = material.name;
        c.shape = core.shape;
        c.volume = core.Ve;
        c.checks.push_back({"internal_error", kSeverityError, std::move(why), {}});
        FinishCandidate(c, {});
        return c;
    }

    const SweepCatalogue& m_cat;
    const Evaluator& m_eval;
    const SweepOptions& m_opt;
    std::vector<Candidate> m_slots;
    std::vector<bool> m_done;  // guarded by m_mutex (a bit vector shares words between slots)
    std::atomic<std::size_t> m_next{0};
    std::size_t m_finished = 0;
    std::mutex m_mutex;
};

}  // namespace

SweepResult RunSweep(const SweepCatalogue& catalogue, const Evaluator& evaluate, const SweepOptions& options) {
    return SweepPool(catalogue, evaluate, options).Run();
}

std::function<SweepResult(const SweepOptions&)> SweepJobFor(CCoreBase base, std::string dataRoot,
                                                            std::size_t materialBuffer, Evaluator evaluate) {
    return [base = std::move(base), root = std::move(dataRoot), materialBuffer,
            eval = std::move(evaluate)](const SweepOptions& options) {
        const SweepCatalogue catalogue{SweepCores(base), SweepMaterials(root, materialBuffer)};
        return RunSweep(catalogue, eval, options);
    };
}

}  // namespace fb
