# The content files the game opens, relative to <build>/content. contentgen checks at every
# run that it generates exactly this set.
set(VELVINA_CONTENT_FILES
  credits.mri
  splash/splash.mri splash/splashbt.mri
  signin/signin.mri signin/sicaio.mri signin/sicont.mri signin/stg2.mrm
  signin/hotshot.mrs signin/caio.mrs signin/cont.mrs
  wall/wall.mri wall/boot.mri wall/mmbt.mri wall/7thave.mri
  wall/welcome.mrs wall/wwback.mrs wall/boot.mrs
  mmo/makeover.mri mmo/ottoman.mri mmo/before.mri
  mmo/mmlt000.mri mmo/mmlt001.mri mmo/mmlt002.mri
  mmo/mmrt000.mri mmo/mmrt001.mri mmo/mmrt002.mri
  mmo/eye.mrm mmo/lip.mrm mmo/glas.mrm mmo/hair.mrm
  mmo/mmovo.mrs mmo/ottoman.mrs mmo/before.mrs mmo/hairback.mrs mmo/hairforw.mrs
  mmo/mmolips.mrs mmo/mmoglass.mrs mmo/mmoeyes.mrs
  ave/7thave.mri
  ave/hhboa.mri ave/faboa.mri ave/toboa.mri ave/drboa.mri ave/boboa.mri ave/acboa.mri ave/shboa.mri
  ave/clomask.mri ave/ottoman.mri
  ave/lbt1.mri ave/lbt2.mri ave/lbt3.mri ave/rbt1.mri ave/rbt2.mri ave/rbt3.mri
  ave/hh.mrm ave/fac.mrm ave/top.mrm ave/dre.mrm ave/bot.mrm ave/acc.mrm ave/shoe.mrm
  ave/boot.mrs ave/7thave.mrs ave/fashion.mrs
  music/lounge.mrs music/urban.mrs music/pop.mrs
)
set(VELVINA_CONTENT_SCENES splash signin wall makeover avenue credits)
